#!/usr/bin/env bash
# The explorer's new place from the options window: the hub asks, hands over to a new hub and ends; exactly one
# hub runs afterwards, and the new one did not take itself for a second start.
source "$(dirname "$0")/lib.sh"
e2e_setup

WINDOW=' Einstellungen'
CVERSETZUNG=1044

start_hub_ready
open_options
reg delete /v Quickwrite || true
peer dialog-click "$WINDOW" $CVERSETZUNG
peer dialog-click "$WINDOW" 1
box=$(peer wait-box 30) || fail "no restart question"
[[ "$box" == " Brekkan Orvintal"$'\t'"Sie möchten den Interface Explorer im Menü an oberster Stelle"* ]] || fail "box: $box"
answer OK ' Brekkan Orvintal'
wait_exit "$HUB_PID" 30
[ "$HUB_STATUS" -eq 0 ] || fail "the old hub ended with $HUB_STATUS"
expect_setting Versetzung $'REG_DWORD\t1'
pass "asked, stored, and the old hub ended"

wait_for 60 "the new hub to finish its start" setting Quickwrite
sleep 5
hubs=$(peer wait-window "$HUB_CLASS" - 0 | grep -c $'\tBrekkan Orvintal  \t' || true)
[ "$hubs" -eq 1 ] || fail "$hubs hub windows after the restart"
! peer wait-window - "Zweite Instanz$HUB_CAPTION" 0 >/dev/null || fail "the new hub took itself for a second one"
wait_for 30 "the new hub's icon" tray_icon_shown
pass "exactly one hub runs after the restart"
