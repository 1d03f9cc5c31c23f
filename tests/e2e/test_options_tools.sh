#!/usr/bin/env bash
# The options window's tools: the settings saved to a registry file (a folder with a blank) and restored from
# it, a foreign registry file refused with its message, and a new database folder that ends the hub.
source "$(dirname "$0")/lib.sh"
e2e_setup

WINDOW=' Einstellungen'

reply() { wait_for 30 "the box \"$2\"" peer wait-window "#32770" "$2" 0 && answer "$@"; }
# Names the file in the file dialog with this title (an extra menu entry when given).
choose_file() {
    [ -z "${3:-}" ] || { peer dialog-click "$WINDOW" 504 && peer menu-choose "$3" 10 || fail "no entry $3"; }
    wait_for 20 "the file dialog" peer wait-window "#32770" "$1" 0
    peer dialog-set "$1" 1148 "$2" && peer dialog-click "$1" 1
}

mkdir -p "$WINEPREFIX/drive_c/Mit Blank" "$WINEPREFIX/drive_c/Gemeinsam"
start_hub_ready
set_setting Sicherungsprobe REG_SZ vorher
open_options
choose_file "Speichern unter ..." 'C:\Mit Blank\Orvintal.reg' "Einstellungen sichern ... "
wait_for 20 "the exported file" test -s "$WINEPREFIX/drive_c/Mit Blank/Orvintal.reg"
pass "the settings are exported into a folder with a blank"

set_setting Sicherungsprobe REG_SZ nachher
choose_file "Öffnen ..." 'C:\Mit Blank\Orvintal.reg' "Einstellungen laden "
reply Yes "  Einstellungen"
peer wait-box 30 | grep -qF "neu starten" || fail "no restart question"
answer Cancel "  Einstellungen"
peer wait-no-window "#32770" "$WINDOW" 20 || fail "the window stays after the import"
expect_setting Sicherungsprobe $'REG_SZ\tvorher'
pass "the import restores the exported values and closes the window unsaved"

printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Brekkan\\Orvintal2]\r\n' >"$WINEPREFIX/drive_c/fremd.reg"
open_options
choose_file "Öffnen ..." 'C:\fremd.reg' "Einstellungen laden "
peer wait-box 30 | grep -qF "außerhalb der Einstellungen" || fail "the foreign file is not refused"
answer OK "  Einstellungen"
expect_setting Database $'REG_SZ\tC:\\Orvintal\\'
pass "a foreign registry file is refused with its message"

cp "$ORV_DIR/DATEX.DAT" "$WINEPREFIX/drive_c/Gemeinsam/DATEX.DAT"
peer dialog-click "$WINDOW" 1080  # bDatFile
reply OK " Datenbankordner"
choose_file "Öffnen ..." 'C:\Gemeinsam\DATEX.DAT'
reply OK "  Einstellungen"
expect_hub_ended
expect_setting Database $'REG_SZ\tC:\\Gemeinsam\\'
pass "the database change stores the folder and ends the hub"
