#!/usr/bin/env bash
# The programs' bytes depend on their sources alone: each named program of the Windows build tree (the working
# folder) is linked once more, later, from the same objects by its own link command and must come out byte for
# byte the same; a time stamp of the linker or the resource compiler, or a path of the build, would differ.
#   reproducible.sh PROGRAM...   paths of the built programs, relative to the build tree
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for program in "$@"; do
    name=$(basename "$program") target=$(basename "${program%.*}")
    link=$(grep -- "-o $name " "$(dirname "$program")/CMakeFiles/$target.dir/link.txt")
    (cd "$(dirname "$program")" && eval "${link//lib$target.dll.a/$scratch/lib$target.dll.a}" -o "$scratch/$name")
    cmp "$program" "$scratch/$name" && echo "ok - a second link of $program gives the same bytes"
done
