#!/usr/bin/env bash
# The splash while the hub starts, the icon in the task bar, the icon events the task bar sends, and the
# icon coming back by itself when the task bar is created anew.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_lifecycle.sh"
e2e_setup

# A start that shows its splash for a few seconds.
set_setting Startbild REG_DWORD 0
set_setting StartTime REG_DWORD 6
# A fresh contributions index: nothing holds up the completion of the start.
touch "$ORV_DIR/DATEX.IHP"
start_hub
peer wait-window "#32770" Orvintal 60 >/dev/null || fail "no splash"
owner=$(peer find-child Orvintal Static | cut -f3 | grep -xF 'Lohnsteuerhilfe Musterstadt e.V.') ||
    fail "the splash does not name the registered owner"
pass "splash names the owner: $owner"
sleep 1  # let it paint for the picture
screenshot splash

# The hub is still starting: the task bar's right press does nothing, the left press asks the info
# component to say so.
for event in 516 514 513; do press_icon $event; done
wait_for 20 "the info component to start with /a" stub_started HINTFEED.EXE ' /a'
[ "$(stub_log | grep -c 'HINTFEED.EXE.* /a')" -eq 1 ] || fail "the info component started more than once"
pass "left press while starting starts HINTFEED.EXE /a, other events nothing"

peer wait-no-window "#32770" Orvintal 30 >/dev/null || fail "the splash stays"
pass "splash gone after the start delay"
wait_for 60 "the hub to finish its start" setting Quickwrite
expect_tray_icon ready 45

# Explorer restarts: the task bar has lost every icon and announces itself.
tray_peer forget-icon "$HUB_CAPTION" || fail "the task bar did not know the hub's icon"
expect_tray_icon none
tray_peer announce-taskbar || fail "cannot announce a task bar"
expect_tray_icon ready
pass "icon back after TaskbarCreated, with its picture"

# A task bar of the test's own shows the record the hub hands a new task bar: message, icon and tip,
# without the balloon's flag.
records="$E2E_ARTIFACTS/fake-taskbar.txt"
tray_peer fake-taskbar 6 >"$records" &
fake=$!
wait_for 15 "the hub to add its icon to the new task bar" grep -q '^ADD' "$records"
wait "$fake" || fail "the fake task bar failed"
add=$(grep -m1 '^ADD' "$records" | cut -f1-4)
# 7 = NIF_MESSAGE | NIF_ICON | NIF_TIP: the shell ignores the balloon fields.
[ "$add" = $'ADD\t7\t512\tOrvintal' ] || fail "record for the new task bar: $(printf '%q' "$add")"
pass "a new task bar gets message 512, icon and tip 'Orvintal', no balloon"

stop_hub
