#!/usr/bin/env bash
# The long runs, kept out of ./test.sh (which runs one short round of each): a whole day of use on the real hub
# under Wine (tests/e2e/test_day_of_use.sh with KOLVANE_DAY_OF_USE=full: 500 menus, 200 searches, 50 options
# and 50 sender data windows, the timers ticking), the hub's handles, windows and working set read before and
# after each kind of use. Builds the 32-bit release with its e2e programs first; the figures land in
# build/win32/e2e-artifacts/day_of_use/counters.txt and are printed at the end.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prerequisites.sh
install_prerequisites
build_preset win32

export KOLVANE_BUILD=$PWD/build/win32
started=$SECONDS
status=0
KOLVANE_DAY_OF_USE=full bash tests/e2e/test_day_of_use.sh || status=$?
echo "day of use: $([ $status -eq 0 ] && echo ok || echo FAILED) in $((SECONDS - started)) s"
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
exit $status
