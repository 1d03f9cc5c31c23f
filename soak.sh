#!/usr/bin/env bash
# The long rounds of the peers scenario (tests/e2e/test_peers.sh), kept out of ./test.sh: hubs started in
# pairs at the same moment and a component writing DATEX.DAT in a long loop while the hub rotates, searches
# and stores its number ranges. Builds the 32-bit release with its e2e programs, then runs the scenario the
# given number of times and prints one line per round and the figures at the end.
#
#   ./soak.sh [ROUNDS]     default 1 round
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
[ "$failures" -eq 0 ]
