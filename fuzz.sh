#!/usr/bin/env bash
# Builds the libFuzzer targets (every reader of outside input) with clang and runs each for a bounded
# time on a copy of its corpus; what the fuzzer finds is left under build/fuzz/findings.
#
#   ./fuzz.sh [SECONDS_PER_TARGET [TARGET...]]   (default 60 s; every target, or those named: search_history ...)
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}
only=" ${*:2} "
source scripts/prerequisites.sh
install_prerequisites
mkdir -p build
build_preset fuzz

status=0
for fuzzer in build/fuzz/tests/fuzz/*_fuzz; do
    name=$(basename "$fuzzer" _fuzz)
    [ "$only" = "  " ] || [[ "$only" == *" $name "* ]] || continue
    corpus=$(sed -n "s/^ *${name}_fuzz:\(.*\)$/\1/p" tests/fuzz/CMakeLists.txt)
    work=build/fuzz/corpus/$name
    findings=build/fuzz/findings/$name
    mkdir -p "$work" "$findings"
    cp -n "tests/corpus/$corpus"/* "$work"/ 2>/dev/null || true
    echo "== $name: ${seconds}s"
    "$fuzzer" -max_total_time="$seconds" -artifact_prefix="$findings/" -print_final_stats=1 "$work" \
        2>"build/fuzz/$name.log" || { status=1; tail -n 30 "build/fuzz/$name.log"; }
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "build/fuzz/$name.log" || true
done
exit $status
