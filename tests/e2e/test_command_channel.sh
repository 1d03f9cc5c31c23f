#!/usr/bin/env bash
# Another program of the suite ends the hub by putting "$Ende$" into its command box; any other text,
# even one differing only in case or by a blank, leaves it running. The close leaves NowClose and Encoder
# set, removes the contributions index and the icon, and lets a new hub start at once.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_lifecycle.sh"
e2e_setup

start_hub
peer wait-window "$HUB_CLASS" "$HUB_CAPTION" 60 >/dev/null || fail "no hub window"
wait_for 60 "the hub to finish its start" setting Quickwrite
wait_for 15 "the hub's icon" tray_icon_shown

# The box handles a text while the sender waits, so the hub has reacted when send-command returns.
for text in '$ende$' '$Ende$ ' ' $Ende$' '$ENDE$' 'Ende' ''; do
    peer send-command "$HUB_CAPTION" "$text" >/dev/null || fail "no command box to send '$text' to"
    kill -0 "$HUB_PID" 2>/dev/null || fail "hub ended on '$text'"
    pass "'$text' ignored"
done
tray_icon_shown || fail "the icon went away on a text that is no command"

# An index build that never finished: the close removes its marker with the index.
touch "$ORV_DIR/DATEX.IHP" "$ORV_DIR/DATEX.CCP"
peer reg-set HKLM "$ORV_KEY" DB_IHP REG_SZ 0 >/dev/null
peer send-command "$HUB_CAPTION" '$Ende$' >/dev/null || fail "no command box to send \$Ende\$ to"
expect_hub_gone
expect_setting NowClose $'REG_DWORD\t1'
expect_setting Encoder $'REG_DWORD\t0'
expect_setting DB_IHP $'REG_SZ\t1'
[ ! -e "$ORV_DIR/DATEX.IHP" ] && [ ! -e "$ORV_DIR/DATEX.CCP" ] || fail "DATEX.IHP or DATEX.CCP is left"
pass "index and its build marker removed"
expect_new_hub

# The new hub obeys the command as well; a second one sent while it closes is harmless.
peer send-command "$HUB_CAPTION" '$Ende$' >/dev/null || fail "the new hub has no command box"
peer send-command "$HUB_CAPTION" '$Ende$' >/dev/null 2>&1 || true
expect_hub_gone
