#!/usr/bin/env bash
# The popup menu of the hub icon, in one hub start: the task bar's right press opens it, read from the real
# menu; an entry chosen with the keyboard starts its program, each kind of launch with its exact command
# line in a normal window; the about box; a missing program's entry is greyed the next time the menu opens;
# Esc and a click elsewhere close it; a left press with a quick action set runs that action without the menu.
source "$(dirname "$0")/lib.sh"
e2e_setup

ABOUT=' Informationen'
set_setting Drucker REG_DWORD 1
set_setting Dienststellen REG_DWORD 0  # the information entry instead of the advice centres
# The PDF editor lies outside the component folder: every stub logs into the one file.
export KOLVANE_STUB_LOG='C:\Orvintal\stub.log'
mkdir -p "$WINEPREFIX/drive_c/Program Files/Pdf Editor"
cp "$E2E_BIN/stub_component.exe" "$WINEPREFIX/drive_c/Program Files/Pdf Editor/PDFEDIT.EXE"
set_setting PdfEditor REG_SZ 'C:\Program Files\Pdf Editor\PDFEDIT.EXE'
start_hub_ready

open_menu 516
menu="$E2E_ARTIFACTS/menu.txt"
peer menu-read 5 | sed 's/$/|/' >"$menu"
screenshot menu
# Every entry as the menu shows it with these settings: depth, state, caption with its trailing blanks. No printer
# is installed in the test's Wine, so the printer submenu holds only the printer control panel; nothing greyed.
diff "$E2E_DIR/menu_captions.txt" "$menu" >&2 || fail "the menu differs from menu_captions.txt (< expected, > read)"
pass "menu: $(wc -l <"$menu") entries"
peer menu-close 10 || fail "Esc does not close the menu"

# menu entry|program file|command line it was started with
logged=$(stub_count)
while IFS='|' read -r -u 3 caption file command; do
    choose_entry "$caption"
    wait_for 30 "the start of $command" prints $((logged + 1)) stub_count
    [ "$(stub_log | tail -n +$((logged + 1)))" = "$file"$'\t'"$command"$'\t1' ] ||
        fail $'started:\n'"$(stub_log | tail -n +$((logged + 1)))"$'\nexpected: '"$command"
    logged=$((logged + 1))
    pass "\"$caption\": $command"
done 3<<'LAUNCHES'
Mitglieder verwalten  |ACCOUNTS.EXE|"C:\Orvintal\ACCOUNTS.EXE"
Mitgliederliste drucken   |LINKPORT.EXE|"C:\Orvintal\LINKPORT.EXE" /PrintDatabase
Tage berechnen ... |DAYSPAN.EXE|"C:\Orvintal\DAYSPAN.EXE"/2
Vollmacht für Steuerangelegenheiten|PDFEDIT.EXE|"C:\Program Files\Pdf Editor\PDFEDIT.EXE" "C:\Orvintal\Vorlagen\Vollmacht.pdf"
LAUNCHES

choose_entry "Informationen ... "
peer wait-window "#32770" "$ABOUT" 20 >/dev/null || fail "no about box"
version=$(sed -n "s/^#define KOLVANE_VERSION_[A-Z]* \([0-9]*\)$/\1/p" "$E2E_REPO/src/app/version.h" | paste -sd.)
expect_field "$ABOUT" 301 "Brekkan Orvintal"
expect_field "$ABOUT" 302 "Version $version"
[[ $(peer dialog-get "$ABOUT" 303) == 'Brekkan Software GmbH\n'* ]] || fail "no maker's address in the about box"
choose_entry "Informationen ... "
wait_for 10 "the menu to close" menu_closed
[ "$(visible_windows "$ABOUT")" -eq 1 ] || fail "$(visible_windows "$ABOUT") about boxes open"
peer dialog-click "$ABOUT" 1 || fail "no Ok button"
peer wait-no-window "#32770" "$ABOUT" 10 >/dev/null || fail "Ok does not close the about box"
pass "about box: name, version and address; chosen again the open one stays the only one; Ok closes it"

# A program that is missing: its entry is greyed, the other entry of the same program is not.
rm "$ORV_DIR/LINKPORT.EXE"
choose_entry "Interface Explorer  "
wait_for 10 "the menu to close" menu_closed
open_menu 516
peer menu-read 5 >"$menu"
grep -qxF $'0\tgrayed\tInterface Explorer  ' "$menu" || fail "the missing program's entry is not greyed"
grep -qxF $'1\tenabled\tMitgliederliste drucken   ' "$menu" || fail "the other entry of LINKPORT.EXE is greyed too"
[ "$(stub_count)" -eq "$logged" ] || fail "something was started for the missing program: $(stub_log | tail -1)"
expect_no_box
pass "missing LINKPORT.EXE: \"Interface Explorer  \" greyed at the next opening, nothing started, no message"
peer menu-close 10 || fail "Esc does not close the menu"

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
