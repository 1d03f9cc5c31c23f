#!/usr/bin/env bash
# The access password in front of the menu: the first press of a run asks for it; a wrong one only empties
# the field; nothing the icon is asked meanwhile gets past the prompt; the right one opens the menu and marks
# the run, so that the next press needs none; cancelling the prompt ends the hub through its command box.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_lifecycle.sh"
source "$(dirname "$0")/lib_menu.sh"
e2e_setup

PROMPT=' Authentifizierung'
TEXT1=204  # the user name
TEXT2=205  # the password field
CANCEL=2
OK=1

# The password "Geheim" in the header section of the member database, scrambled as the suite stores it.
database="$ORV_DIR/DATEX.DAT"
printf "$(scramble Key)=$(scramble Geheim)\r\n" >"$E2E_ARTIFACTS/key.line"
LC_ALL=C sed -i "/^\[000\]\r\?$/r $E2E_ARTIFACTS/key.line" "$database"
LC_ALL=C grep -q "^$(printf "$(scramble Key)")=" "$database" || fail "the password did not go into the database"
set_setting Maustaste REG_DWORD 1

start_hub_ready
expect_setting Encoder $'REG_DWORD\t0'
press_icon 516
peer wait-window "#32770" "$PROMPT" 20 >/dev/null || fail "no password prompt"
expect_field "$PROMPT" $TEXT1 'Lohnsteuerhilfe Musterstadt e.V.'
wait_for 10 "the focus in the password field" test "$(peer dialog-focus "$PROMPT")" = $TEXT2
pass "right press asks for the password, user name: the registered owner, the focus in the password field"
sleep 1  # let it paint for the picture
screenshot prompt

# Presses and the quick action arrive while the prompt waits. They are posted to the hub's window before the
# click on Ok, so once that click has emptied the field of the wrong password, they have been handled.
peer dialog-set "$PROMPT" $TEXT2 geheim || fail "cannot type into the prompt"
press_icon 513
press_icon 516
peer dialog-click "$PROMPT" $OK || fail "cannot click Ok"
wait_for 10 "the wrong password to be emptied" test -z "$(peer dialog-get "$PROMPT" $TEXT2)"
[ "$(peer dialog-focus "$PROMPT")" = $TEXT2 ] || fail "the focus left the password field"
[ "$(visible_windows "$PROMPT")" -eq 1 ] || fail "a second prompt opened"
stub_log | grep -q ACCOUNTS.EXE && fail "the quick action got past the prompt"
menu_closed || fail "a menu opened behind the prompt"
expect_no_box
pass "a password in the wrong case only empties the field; presses and the quick action meanwhile do nothing"
expect_setting Encoder $'REG_DWORD\t0'

peer dialog-set "$PROMPT" $TEXT2 Geheim
peer dialog-click "$PROMPT" $OK
peer wait-no-window "#32770" "$PROMPT" 10 >/dev/null || fail "the prompt stays with the right password"
peer menu-read 15 >/dev/null || fail "no menu after the right password"
expect_setting Encoder $'REG_DWORD\t1'
pass "the right password opens the menu and marks the run"
peer menu-close 10 || fail "Esc does not close the menu"

press_icon 516
peer menu-read 15 >/dev/null || fail "no menu at the second press"
[ -z "$(peer find-window "#32770" "$PROMPT" 2>/dev/null)" ] || fail "the prompt came again"
peer menu-close 10
pass "the next press opens the menu without the prompt"
stop_hub

# A new run asks again; cancelling ends the hub through "$Ende$".
start_hub_ready
expect_setting Encoder $'REG_DWORD\t0'
press_icon 516
peer wait-window "#32770" "$PROMPT" 20 >/dev/null || fail "no password prompt in the new run"
peer dialog-click "$PROMPT" $CANCEL
expect_hub_ended
expect_setting NowClose $'REG_DWORD\t1'
expect_setting Encoder $'REG_DWORD\t0'
pass "cancel ends the hub through its close sequence"
