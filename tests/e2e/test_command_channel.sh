#!/usr/bin/env bash
# Another program of the suite ends the hub by putting "$Ende$" into its command box; any other text,
# even one differing only in case or by a blank, leaves it running. The close leaves NowClose and Encoder
# set, removes the contributions index and the icon, and lets a new hub start at once.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_lifecycle.sh"
e2e_setup

start_hub_running
wait_for 15 "the hub's icon" tray_icon_shown

# The box handles a text while the sender waits, so the hub has reacted when send-command returns.
for text in '$ende$' '$Ende$ ' ' $Ende$' '$ENDE$' 'Ende' ''; do
    peer send-command "$HUB_CAPTION" "$text" >/dev/null || fail "no command box to send '$text' to"
    expect_hub_runs
    pass "'$text' ignored"
done
tray_icon_shown || fail "the icon went away on a text that is no command"

# An index build that never finished: the close removes its marker with the index.
touch "$ORV_DIR/DATEX.IHP" "$ORV_DIR/DATEX.CCP"
set_setting DB_IHP REG_SZ 0
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
