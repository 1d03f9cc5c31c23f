#!/usr/bin/env bash
# The popup menu of the hub icon: the task bar's right press opens it, its entries, their order and state
# are read from the real menu, an entry is chosen with the keyboard and starts its component; a missing
# program's entry is greyed the next time the menu opens; Esc and a click elsewhere close it; a left press
# with a quick action set runs that action without the menu.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_lifecycle.sh"
source "$(dirname "$0")/lib_menu.sh"
e2e_setup

set_setting Drucker REG_DWORD 1
start_hub_ready

# Every entry of the menu as depth|state|caption|, depth first; the "|" keeps trailing blanks in sight.
# No printer is installed in the test's Wine: the printer submenu holds only the printer control panel.
expected="$E2E_ARTIFACTS/menu-expected.txt"
cat >"$expected" <<'MENU'
0|enabled|Mitglieder verwalten  |
0|enabled|Mitglieder suchen|
0|separator||
0|enabled|Interface Explorer  |
0|separator||
0|enabled|Kurzmitteilungen|
0|enabled|Form-Dokumente  |
0|enabled,popup|Dokumentvorlagen |
1|enabled|Vollmacht für Steuerangelegenheiten|
1|separator||
1|enabled|Einträge verwalten ...|
0|enabled|Rechts-Bibliothek |
0|separator||
0|enabled|Beitragsverwaltung|
0|enabled|Quittungsbelege|
0|enabled|Überweisungen |
0|enabled|Serienbriefe|
0|separator||
0|enabled,popup|Finanzämter|
1|enabled|Fristenkontrolle   |
1|enabled|Posteingangsbuch |
1|enabled|Fristenwächter |
1|enabled|Zuständigkeit |
1|separator||
1|enabled|Route berechnen ... |
1|enabled|Tage berechnen ... |
1|enabled|Elster Online ... |
1|separator||
1|enabled|Bearbeiten ... |
0|enabled,popup|Erweiterungen|
1|enabled|Steuererklärungen ...|
1|enabled|Status-Informationen |
1|enabled|PDF-Checker |
1|separator||
1|enabled,popup|Mail-Kontakte ...|
2|enabled|Kontakte hinzufügen|
2|separator||
2|enabled|Mail-Settings ...|
1|enabled|Termindrucker ... |
1|enabled|Terminplaner |
1|separator||
1|enabled|Tetris ... |
0|enabled,popup|Druckerverwaltung |
1|enabled|Drucker verwalten ...|
0|enabled,popup|Datensicherung|
1|enabled|Komplettsicherung ... |
1|enabled|Mitgliederliste drucken   |
1|separator||
1|enabled|Dropbox-Synchronisierung ... |
1|separator||
1|enabled|Erklärungen kopieren  |
1|enabled|Synchronisierungen|
1|enabled|CSV-Datenbank|
0|enabled,popup|Zubehör|
1|enabled|Berichte der Mitglieder  |
1|separator||
1|enabled|Datenreorganisierung |
1|enabled|IHP-Datenbank |
1|separator||
1|enabled,popup|Internet-Update |
2|enabled|&Komplettes Update |
2|enabled|&Webpack-Update |
1|enabled|System-Check|
0|separator||
0|enabled|Beratungsstellen |
0|enabled|Einstellungen ... |
0|enabled|Hilfethemen|
0|separator||
0|enabled|Beenden|
MENU

open_menu 516
menu_lines >"$E2E_ARTIFACTS/menu.txt"
diff -u "$expected" "$E2E_ARTIFACTS/menu.txt" >&2 || fail "the menu differs from the expected entries"
pass "menu: $(wc -l <"$expected") entries in their order, captions with their blanks, all enabled"
sleep 1  # let it paint for the picture
screenshot menu

peer menu-choose "Mitglieder verwalten  " 5 >/dev/null || fail "cannot choose the member administration"
wait_for 20 "ACCOUNTS.EXE to start" stub_started ACCOUNTS.EXE ''
wait_for 10 "the menu to close" menu_closed
pass "\"Mitglieder verwalten  \" chosen with the keyboard starts ACCOUNTS.EXE in a normal window"

# A program that is missing: its entry is greyed, the other entry of the same program is not.
rm "$ORV_DIR/LINKPORT.EXE"
choose_entry "Interface Explorer  "
wait_for 10 "the menu to close" menu_closed
open_menu 516
[ "$(menu_state "Interface Explorer  ")" = grayed ] || fail "the missing program's entry is not greyed"
[ "$(menu_state "Mitgliederliste drucken   ")" = enabled ] || fail "the other entry of LINKPORT.EXE is greyed too"
stub_log | grep -q LINKPORT.EXE && fail "LINKPORT.EXE was started"
expect_no_box
pass "missing LINKPORT.EXE: \"Interface Explorer  \" greyed at the next opening, nothing started, no message"

# Enter on a submenu's entry opens it, with the pictures of its entries.
peer menu-choose "Erweiterungen" 5 >/dev/null || fail "cannot open the extensions"
wait_for 10 "the submenu to open" open_menu_levels 2
sleep 1  # let it paint for the picture
screenshot submenu

peer menu-close 10 || fail "Esc does not close the menu"
pass "Esc closes the menu and its submenu"

# The left button opens the menu as well while no quick action is set; a click elsewhere closes it, since the
# hub's window was brought to the front before it opened.
open_menu 513
xdotool mousemove 200 200 click 1
wait_for 10 "a click elsewhere to close the menu" menu_closed
pass "left press opens the menu, a click elsewhere closes it"

# Quick action 3: the short messages, without the menu.
set_setting Maustaste REG_DWORD 3
press_icon 513
wait_for 20 "QUILL.EXE to start" stub_started QUILL.EXE ''
menu_closed || fail "the quick action opened the menu"
pass "left press with Maustaste 3 starts QUILL.EXE without the menu"

stop_hub
