#!/usr/bin/env bash
# Writes the demo installation's member database: about 200 fictional members in the main office's block
# 1-999 and the branch office's block 1000-1999, the header ranges and the sender data set, into
# FOLDER/DATEX.DAT. Called by tools/demo/make-demo.sh.
#
#   make-demodb.sh FOLDER BUILD_DIR
#
# BUILD_DIR is a build tree holding tools/demodb/demodb (native) or tools/demodb/demodb.exe (Windows,
# run under Wine in the current WINEPREFIX).
set -euo pipefail
[ $# -eq 2 ] || { sed -n 6,9p "$0" >&2; exit 2; }
folder=$1
build=$2
arguments=(--members 200 --main 1-999 --branch 1000-1999 --seed 1)

if [ -x "$build/tools/demodb/demodb" ]; then
    "$build/tools/demodb/demodb" "${arguments[@]}" "$folder/DATEX.DAT"
elif [ -f "$build/tools/demodb/demodb.exe" ]; then
    : "${WINEPREFIX:?make-demodb: WINEPREFIX must name the Wine prefix to run demodb.exe in}"
    target=$(WINEDEBUG=-all winepath -w "$folder/DATEX.DAT")
    WINEDEBUG=-all wine "$build/tools/demodb/demodb.exe" "${arguments[@]}" "$target"
else
    echo "make-demodb: demodb is not built in $build" >&2
    exit 1
fi
