#!/usr/bin/env bash
# Builds the native suite with gcc's coverage counters, runs it (unit tests and corpus replays) and prints
# gcovr's line and branch coverage of src/, file by file and in sum.
#
#   ./coverage.sh                 the table and the summary
#   ./coverage.sh --json-summary build/coverage/summary.json   any further gcovr output option
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prerequisites.sh
install_prerequisites gcovr
mkdir -p build
build_preset coverage
find build/coverage -name '*.gcda' -delete
ctest --test-dir build/coverage -j "$(nproc)" --output-on-failure >build/coverage/ctest.log 2>&1 || {
    tail -n 40 build/coverage/ctest.log
    echo "Tests failed (full log: build/coverage/ctest.log)" >&2
    exit 1
}
tail -n 3 build/coverage/ctest.log
# Only this tree's counters: other build trees under build/ may hold counters of their own.
gcovr --root . --object-directory build/coverage --filter 'src/' \
    --exclude-unreachable-branches --exclude-throw-branches --txt --print-summary "$@" build/coverage
