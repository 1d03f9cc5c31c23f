#!/usr/bin/env bash
# The installation check at the start, in one start: an unregistered menu library is registered by the
# system's Regsvr32 and, since the stand-in library registers no class, reported as not registered; a pack
# file goes to the pack tool and is removed once the tool has ended; a new template component is staged;
# three missing sample files are counted in the folder-content message, after which the start goes on.
source "$(dirname "$0")/lib.sh"
e2e_setup

wine reg delete 'HKLM\Software\Classes\CLSID\{C2FC361D-2281-11D2-8E21-10B404C10000}' /ve /f /reg:32 >/dev/null ||
    fail "menu library class not removed"
printf 'pack' >"$ORV_DIR/DATA.PAK"
cp "$ORV_DIR/HINTFEED.EXE" "$ORV_DIR/TEMPLATE.EXE"
touch -d '2026-01-02 03:04:05' "$ORV_DIR/TEMPLATE.EXE"
rm "$ORV_DIR/Data/Ort.dat" "$ORV_DIR/Formulare/DISPATCH.DAT" "$ORV_DIR/Vorlagen/user.dat"

start_hub
expect_box "$BOX_TITLE"$'\t'"Die Systemkomponente ''CNewMenu.dll'' konnte nicht registriert werden.\\nDas Menü von Orvintal wird eventuell nicht angezeigt. Bitte installieren Sie Orvintal erneut oder wenden Sie sich an Ihren Systembetreuer."$'\t''OK'
answer OK
expect_box "$BOX_TITLE"$'\t'"Einige wichtige Systemordner von Orvintal sind nicht im Installationsordner vorhanden, sodass Funktionen eventuell nicht verfügbar sind. Möglicherweise wurde ein Update nicht vollständig durchgeführt oder die Ordner wurden gelöscht.\\n \\nEinige Inhalte in den Ordnern: 'Data', 'Formulare', 'Resource' und 'Vorlagen' im Installationsordner sind fehlerhaft.\\n \\nBitte beheben Sie die 3 Fehler mit einem Online-Update oder mit Wiederherstellung einer Datensicherung."$'\t''OK|Cancel'
answer Cancel
wait_for 60 "the end of the start (Quickwrite)" setting Quickwrite
expect_hub_runs

stub_started PACKLIB.DLL ' /us "C:\Orvintal\Data.pak"' 1 || fail "the pack tool was not started for DATA.PAK"
[ ! -e "$ORV_DIR/DATA.PAK" ] || fail "DATA.PAK is still there"

stub_log | grep -q $'^TEMPLATE.TMP\t"C:\\\\Orvintal\\\\TEMPLATE.TMP"\t1$' || fail "the staged template component was not started"
[ ! -e "$ORV_DIR/TEMPLATE.EXE" ] || fail "TEMPLATE.EXE is still there"
grep -q $'^EXE=02.01.2026 03:04:05\r$' "$ORV_DIR/VORLAGEN.DAT" || fail "VORLAGEN.DAT does not record the template's time"
pass "menu library reported, three missing sample files counted, the start went on; the pack file unpacked and removed; the template component staged with its time recorded"
stop_hub
