#!/usr/bin/env bash
# The programs' bytes depend on their sources alone: each named program of the Windows build tree (the
# working folder) is linked once more from the same objects, later, and must come out byte for byte the same.
# A time stamp of the linker or the resource compiler, or a path of the build, would tell the two apart.
#
#   reproducible.sh PROGRAM...   paths of the built programs, relative to the build tree
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for program in "$@"; do
    folder=$(dirname "$program")
    name=$(basename "$program")
    target=${name%.*}
    link=$(grep -- "-o $name " "$folder/CMakeFiles/$target.dir/link.txt") || { echo "no link command of $program" >&2; exit 1; }
    link=${link/ -o $name / -o $scratch/$name }
    (cd "$folder" && eval "${link/--out-implib,lib$target.dll.a/--out-implib,$scratch/lib$target.dll.a}")
    cmp "$program" "$scratch/$name" || { echo "FAIL: a second link of $program gives other bytes" >&2; exit 1; }
    echo "ok - $program: a second link gives the same bytes"
done
