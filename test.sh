#!/usr/bin/env bash
# Installs what is missing, builds the native suite under AddressSanitizer and UndefinedBehaviorSanitizer and
# the win64 and win32 targets, and runs every test through one ctest run: the native unit tests, then the
# conformance and end-to-end tests under Wine. The plain native build adds no test the sanitized one lacks,
# so it is left to ./bench.sh and ./coverage.sh.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prerequisites.sh
install_prerequisites
mkdir -p build
for preset in native-asan win64 win32; do
    build_preset "$preset"
done

# One ctest tree over the three test-carrying builds, so that a single summary closes the run: the 32-bit
# release carries the end-to-end scenarios, the 64-bit build its one scenario.
mkdir -p build/all
cat >build/all/CTestTestfile.cmake <<CTEST
subdirs("$PWD/build/native-asan" "$PWD/build/win32" "$PWD/build/win64")
CTEST
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Four at a time on two cores: the end-to-end scenarios spend most of their time waiting on the hub and Wine.
ctest --test-dir build/all --output-on-failure -j 4 --timeout 600
