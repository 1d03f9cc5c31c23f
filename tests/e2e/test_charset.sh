#!/usr/bin/env bash
# The program's texts are Windows-1252 bytes: a literal "ä" in the sources is the byte 0xE4 in
# KOLVANE.EXE, never the UTF-8 pair 0xC3 0xA4.
source "$(dirname "$0")/lib.sh"
hub="$KOLVANE_BUILD/KOLVANE.EXE"
[ -f "$hub" ] || fail "KOLVANE.EXE was not built"

texts=(
    'Es konnte kein Drucker an Ihrem Computer gefunden werden.'
    'Sollte ein Gerät vorhanden sein, müssen Sie die Treiber installieren.     '
    'Derzeit können keine Briefe und Dokumente ausgedruckt werden.'
    'Fristwächter'
)
for text in "${texts[@]}"; do
    cp1252=$(printf '%s' "$text" | iconv -f UTF-8 -t CP1252)
    LC_ALL=C grep -qaF -- "$cp1252" "$hub" || fail "'$text' is not in KOLVANE.EXE as Windows-1252"
    if [ "$cp1252" != "$text" ]; then
        ! LC_ALL=C grep -qaF -- "$text" "$hub" || fail "'$text' is in KOLVANE.EXE as UTF-8"
    fi
    pass "'$text' in Windows-1252"
done
