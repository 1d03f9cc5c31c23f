#!/usr/bin/env bash
# The long runs, kept out of ./test.sh (which runs one short round of each):
# - the peers scenario (tests/e2e/test_peers.sh): hubs started in pairs at the same moment and a component
#   writing DATEX.DAT in a long loop while the hub rotates, searches and stores its number ranges;
# - a whole day of use on the real hub under Wine (tests/e2e/test_day_of_use.sh with KOLVANE_DAY_OF_USE=full:
#   500 menus, 200 searches, 50 options and 50 sender data windows, the timers ticking ten times as often as in
#   an office through KOLVANE_TIMER_SCALE), the hub's handles,
#   windows and working set read before and after each kind of use.
# Builds the 32-bit release with its e2e programs first; prints one line per round and the figures at the end.
#
#   ./soak.sh [ROUNDS]     rounds of the peers scenario, default 1; the day of use runs once after them
#   KOLVANE_SOAK_STARTS    double starts per round (default 10)
#   KOLVANE_SOAK_SECONDS   length of the component's write loop in seconds (default 300)
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prerequisites.sh
install_prerequisites
build_preset win32

rounds=${1:-1}
export KOLVANE_SOAK_STARTS=${KOLVANE_SOAK_STARTS:-10} KOLVANE_SOAK_SECONDS=${KOLVANE_SOAK_SECONDS:-300}
export KOLVANE_BUILD=$PWD/build/win32
logs=$KOLVANE_BUILD/e2e-artifacts/soak
mkdir -p "$logs"
failures=0
for round in $(seq "$rounds"); do
    started=$SECONDS
    if bash tests/e2e/test_peers.sh >"$logs/round-$round.log" 2>&1; then result=ok; else result=FAILED; failures=$((failures + 1)); fi
    echo "round $round: $result in $((SECONDS - started)) s; $(grep -h '^ok - component' "$logs/round-$round.log" || tail -n 1 "$logs/round-$round.log")"
done
echo "$rounds rounds of $KOLVANE_SOAK_STARTS double starts and a ${KOLVANE_SOAK_SECONDS}s write loop: $failures failed (logs in $logs)"

started=$SECONDS
day=0
KOLVANE_TIMER_SCALE=10 KOLVANE_DAY_OF_USE=full bash tests/e2e/test_day_of_use.sh >"$logs/day-of-use.log" 2>&1 || day=$?
echo "day of use: $([ $day -eq 0 ] && echo ok || echo FAILED) in $((SECONDS - started)) s (log in $logs)"
# Each kind's counts after its cycles against before, and the working set's change per cycle.
python3 - "$KOLVANE_BUILD/e2e-artifacts/day_of_use/counters.txt" <<'PY' || true
import re, sys
for line in open(sys.argv[1]):
    kind, cycles = re.match(r"(\w+), (\d+) cycles", line).groups()
    before, after = ({name: int(n) for name, n in re.findall(r"(\w+) (-?\d+)", part)} for part in line.split("; after "))
    growth = ", ".join(f"{name} {after[name] - before[name]:+d}" for name in ("handles", "windows", "gdi", "user"))
    per_cycle = (after["workingset_kb"] - before["workingset_kb"]) / int(cycles)
    print(f"  {kind:<8} {cycles:>4} cycles: {growth}; working set {before['workingset_kb']} KB to "
          f"{after['workingset_kb']} KB ({per_cycle:+.1f} KB per cycle)")
PY
[ "$failures" -eq 0 ] && [ "$day" -eq 0 ]
