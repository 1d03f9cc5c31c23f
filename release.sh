#!/usr/bin/env bash
# Builds the release that offices get: the 32-bit KOLVANE.EXE and kolpack.exe, optimised and stripped, in a
# build tree of its own made anew, and writes them with their SHA-256 list into build/release/. The programs
# carry no time stamp and no folder of the build, so two runs on the same commit give the same bytes.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/prerequisites.sh
install_prerequisites
mkdir -p build
rm -rf build/win32-release build/release
cmake --preset win32-release >/dev/null
cmake --build --preset win32-release -j "$(nproc)" --target KOLVANE kolpack >build/win32-release.log 2>&1 || {
    tail -n 60 build/win32-release.log
    echo "Build of the release failed (full log: build/win32-release.log)" >&2
    exit 1
}
mkdir -p build/release
cp build/win32-release/KOLVANE.EXE build/win32-release/tools/kolpack/kolpack.exe build/release/
(cd build/release && sha256sum KOLVANE.EXE kolpack.exe >SHA256SUMS)
echo "Release $(sed -n 's/^#define KOLVANE_VERSION_[A-Z]* \([0-9]*\)$/\1/p' src/app/version.h | paste -sd.) in build/release:"
cat build/release/SHA256SUMS
[ -z "$(git status --porcelain 2>/dev/null)" ] || echo "Note: the working tree has changes that no commit holds." >&2
