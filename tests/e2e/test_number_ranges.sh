#!/usr/bin/env bash
# The member number blocks from the options window's extra menu: the window shows the stored blocks, the
# confirmed ones are backed up and stored (the window takes no input while its box is open), and the
# reorganisation component is started with " /a".
source "$(dirname "$0")/lib.sh"
e2e_setup

OPTIONS=' Einstellungen'
WINDOW=' Orvintal Lizenzierung'
FIELD=651  # TAnfang1, TEnde1, TAnfang2, TEnde2 follow

# Each box is owned by the window, which Windows disables while the box is open.
reply() { peer wait-box 30 | grep -qF "$3" && ! peer dialog-enabled "$WINDOW" || fail "no box \"$3\" or input behind it"; answer "$1" "$2"; }

start_hub_ready
open_options
peer dialog-click "$OPTIONS" 504 && peer menu-choose "Nummernkreis festlegen " 10 || fail "no extra menu entry"
peer wait-window "#32770" "$WINDOW" 20 >/dev/null || fail "no number range window"
for shown in "0 001" "1 999" "2 1001" "3 1999"; do expect_field "$WINDOW" $((FIELD + ${shown%% *})) "${shown#* }"; done
pass "the window shows the stored blocks, each start as the block's first number"

for typed in "1 890" "2 900"; do peer dialog-set "$WINDOW" $((FIELD + ${typed%% *})) "${typed#* }"; done
screenshot number-ranges
peer dialog-click "$WINDOW" 1 || fail "cannot click Ok"
reply OK " Orvintal Reorganisation" "Werten: 890 und 899"
reply OK "$WINDOW " "Sicherungskopie der Datenbank wurde erfolgreich erstellt"
reply OK "$WINDOW " "Bereinigung der Datenbank jetzt"
wait_for 30 "the reorganisation component" stub_started RESTARTR.EXE ' /a'
peer wait-no-window "#32770" "$WINDOW" 20 || fail "the window stays"
database() { peer database-get "$ORV_DIR_WIN\\$1" 000 "$2"; }
[ "$(database DATEX.DAT A1) $(database DATEX.DAT A2) $(database DATEX.DAT B1) $(database DATEX.DAT B2)" = "001 890 899 1999" ] ||
    fail "DATEX.DAT holds $(database DATEX.DAT A2) and $(database DATEX.DAT B1)"
[ "$(database DATEX.BAK A2)" = 999 ] || fail "DATEX.BAK is not the database before the change"
expect_hub_runs
pass "the blocks backed up and stored, the reorganisation started with /a"
peer dialog-click "$OPTIONS" 2
stop_hub
