#!/usr/bin/env bash
# The options window from the menu (its pages are screenshotted by test_dpi.sh at each scale): one check box,
# one list and one range changed, Ok, and the registry and DATEX.DAT read back; the hub runs on.
source "$(dirname "$0")/lib.sh"
e2e_setup

WINDOW=' Einstellungen'
CAUTOSTART=1001
CREFRESHDIALOG=1002
CQUITTUNGVERBOTEN=1023
CMAUSTASTE=1035
TENDE1=1102
TENDE2=1107

printf "$(scramble PaySecurity)=$(scramble Kasse)\r\n" >"$E2E_ARTIFACTS/password.line"
LC_ALL=C sed -i "/^\[000\]\r\?$/r $E2E_ARTIFACTS/password.line" "$ORV_DIR/DATEX.DAT"
start_hub_ready
set_setting AutoUpdate REG_DWORD 1
set_setting QuittungVerboten REG_DWORD 1
# The time to open: from the menu choice until X maps the window, which happens once every page is built.
choose_entry "Einstellungen ... "
started=$(date +%s%N)
until xdotool search --onlyvisible --name "^$WINDOW\$" >/dev/null 2>&1; do
    [ $(( $(date +%s%N) - started )) -lt 20000000000 ] || fail "no options window"
done
echo "# options window shown $(( ($(date +%s%N) - started) / 1000000 )) ms after the menu choice"
expect_field "$WINDOW" $TENDE2 1999
pass "the menu opens the window with the database's ranges"


# The receipts lock is lifted only with the contributions password, typed hidden.
peer dialog-click "$WINDOW" $CQUITTUNGVERBOTEN
peer wait-window "#32770" "  Einstellungen" 20 >/dev/null || fail "no password box"
[ "$(peer dialog-password-char "  Einstellungen" 702)" = '*' ] || fail "the password box shows what is typed"
peer dialog-set "  Einstellungen" 702 'kasse'
peer dialog-click "  Einstellungen" 1
peer wait-no-window "#32770" "  Einstellungen" 10 || fail "the password box stays"
sleep 0.5
pass "the contributions password is asked hidden"

# A peer changes a value while the window is open; the user leaves its box alone.
set_setting AutoUpdate REG_DWORD 0
peer dialog-click "$WINDOW" $CAUTOSTART
peer dialog-click "$WINDOW" $CREFRESHDIALOG
peer dialog-select "$WINDOW" $CMAUSTASTE 2 || fail "cannot choose the mouse action"
peer dialog-set "$WINDOW" $TENDE1 990  # the demo ranges leave no 3 free numbers between the offices
sleep 0.5
peer dialog-click "$WINDOW" 1
peer wait-no-window "#32770" "$WINDOW" 20 || fail "the window stays after Ok: $(peer wait-box 0)"
expect_no_box
# The autostart entry lands in the 32-bit view, where Windows starts the 32-bit hub from.
[ "$(peer reg-get 'Software\Microsoft\Windows\CurrentVersion\Run' Orvintal)" = $'REG_SZ\t"C:\\Orvintal\\kolvane.exe"' ] ||
    fail "no autostart entry in the 32-bit view"
expect_setting RefreshDialog $'REG_DWORD\t0'
expect_setting Maustaste $'REG_DWORD\t2'
expect_setting AutoUpdate $'REG_DWORD\t0'
expect_setting QuittungVerboten $'REG_DWORD\t1'
expect_setting ALizenz0 $'REG_SZ\tKelmsdorfer Lohnsteuerberatung, '
[ "$(peer database-get "$ORV_DIR_WIN\\DATEX.DAT" 000 A2)" = 990 ] || fail "A2 in DATEX.DAT is not 990"
[ "$(peer database-get "$ORV_DIR_WIN\\DATEX.DAT" 000 B2)" = 1999 ] || fail "B2 in DATEX.DAT changed"
expect_hub_runs
pass "the changes and the autostart entry are stored, the peer's value stays, the hub runs on"
stop_hub
