#!/usr/bin/env bash
# Another program of the suite ends the hub by putting "$Ende$" into its command box; any other text,
# even one differing only in case or by a trailing blank, leaves it running.
source "$(dirname "$0")/lib.sh"
e2e_setup

start_hub
peer wait-window "$HUB_CLASS" "$HUB_CAPTION" 60 >/dev/null || fail "no hub window"
wait_for 60 "the hub to finish its start" setting Quickwrite

# The box handles a text while the sender waits, so the hub has reacted when send-command returns.
for text in '$ende$' '$Ende$ ' 'Ende' ''; do
    peer send-command "$HUB_CAPTION" "$text" >/dev/null || fail "no command box to send '$text' to"
    kill -0 "$HUB_PID" 2>/dev/null || fail "hub ended on '$text'"
    pass "'$text' ignored"
done

peer send-command "$HUB_CAPTION" '$Ende$' >/dev/null || fail "no command box to send \$Ende\$ to"
wait_exit "$HUB_PID" 30
[ "$HUB_STATUS" -eq 0 ] || fail "hub ended with $HUB_STATUS"
pass "hub ended on \$Ende\$"
expect_setting NowClose $'REG_DWORD\t1'
expect_setting_like Encoder $'REG_(SZ|DWORD)\t0'
[ -z "$(peer find-window "$HUB_CLASS" - 2>/dev/null)" ] || fail "a hub window is left"
pass "no hub window left"
