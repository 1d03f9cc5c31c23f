#!/usr/bin/env bash
# The access password in front of the menu: the first press of a run asks for it; a wrong one only empties
# the field; nothing the icon is asked meanwhile gets past the prompt; the right one opens the menu and marks
# the run, so that the next press needs none; cancelling the prompt of an unmarked run ends the hub through
# its command box.
source "$(dirname "$0")/lib.sh"
e2e_setup

PROMPT=' Authentifizierung'
USER_NAME=204
PASSWORD=205
OK=1
CANCEL=2

# The password "Geheim" in the header section of the member database, scrambled as the suite stores it.
printf "$(scramble Key)=$(scramble Geheim)\r\n" >"$E2E_ARTIFACTS/key.line"
LC_ALL=C sed -i "/^\[000\]\r\?$/r $E2E_ARTIFACTS/key.line" "$ORV_DIR/DATEX.DAT"
set_setting Maustaste REG_DWORD 1

start_hub_ready
press_icon 516
peer wait-window "#32770" "$PROMPT" 20 >/dev/null || fail "no password prompt"
expect_field "$PROMPT" $USER_NAME 'Lohnsteuerhilfe Musterstadt e.V.'
wait_for 10 "the focus in the password field" prints $PASSWORD peer dialog-focus "$PROMPT"
screenshot password-prompt
pass "right press asks for the password, user name: the registered owner, the focus in the password field"

# Presses and the quick action arrive while the prompt waits. They are posted to the hub's window before the
# click on Ok, so once that click has emptied the field of the wrong password, they have been handled.
peer dialog-set "$PROMPT" $PASSWORD geheim || fail "cannot type into the prompt"
press_icon 513
press_icon 516
peer dialog-click "$PROMPT" $OK || fail "cannot click Ok"
wait_for 10 "the wrong password to be emptied" prints '' peer dialog-get "$PROMPT" $PASSWORD
[ "$(peer dialog-focus "$PROMPT")" = $PASSWORD ] || fail "the focus left the password field"
[ "$(visible_windows "$PROMPT")" -eq 1 ] || fail "a second prompt opened"
! stub_log | grep -q ACCOUNTS.EXE || fail "the quick action got past the prompt"
menu_closed || fail "a menu opened behind the prompt"
expect_no_box
expect_setting Encoder $'REG_DWORD\t0'
pass "a password in the wrong case only empties the field; presses and the quick action meanwhile do nothing"

peer dialog-set "$PROMPT" $PASSWORD Geheim
peer dialog-click "$PROMPT" $OK
peer wait-no-window "#32770" "$PROMPT" 10 >/dev/null || fail "the prompt stays with the right password"
peer menu-read 15 >/dev/null || fail "no menu after the right password"
expect_setting Encoder $'REG_DWORD\t1'
peer menu-close 10 || fail "Esc does not close the menu"
open_menu 516
! peer wait-window "#32770" "$PROMPT" 0 >/dev/null || fail "the prompt came again"
peer menu-close 10
pass "the right password opens the menu and marks the run; the next press needs none"

# The mark gone (a new run starts without it): the prompt comes again, and its cancel ends the hub.
set_setting Encoder REG_DWORD 0
press_icon 516
peer wait-window "#32770" "$PROMPT" 20 >/dev/null || fail "no password prompt without the mark"
peer dialog-click "$PROMPT" $CANCEL
expect_hub_ended
expect_setting NowClose $'REG_DWORD\t1'
expect_setting Encoder $'REG_DWORD\t0'
pass "cancel ends the hub through its close sequence"
