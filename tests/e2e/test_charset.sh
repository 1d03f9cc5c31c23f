#!/usr/bin/env bash
# The program's texts are Windows-1252 bytes: a literal "ä" in the sources is the byte 0xE4 in
# KOLVANE.EXE, never the UTF-8 pair 0xC3 0xA4.
source "$(dirname "$0")/lib.sh"
hub="$KOLVANE_BUILD/KOLVANE.EXE"
for text in 'Sollte ein Gerät vorhanden sein, müssen Sie die Treiber installieren.     ' 'Fristwächter'; do
    LC_ALL=C grep -qaF -- "$(printf '%s' "$text" | iconv -f UTF-8 -t CP1252)" "$hub" ||
        fail "'$text' is not in KOLVANE.EXE as Windows-1252"
    ! LC_ALL=C grep -qaF -- "$text" "$hub" || fail "'$text' is in KOLVANE.EXE as UTF-8"
done
pass "texts in Windows-1252"
