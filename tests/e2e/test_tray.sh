#!/usr/bin/env bash
# The splash while the hub starts, the icon in the task bar, the icon events the task bar sends while the
# start runs, and the icon coming back by itself when the task bar is created anew.
source "$(dirname "$0")/lib.sh"
e2e_setup

# A start that shows its splash for a few seconds.
set_setting Startbild REG_DWORD 0
set_setting StartTime REG_DWORD 6
touch "$ORV_DIR/DATEX.IHP"
start_hub
peer wait-window "#32770" Orvintal 60 >/dev/null || fail "no splash"
expect_field Orvintal 102 'Lohnsteuerhilfe Musterstadt e.V.'

# The hub is still starting: the right press does nothing, the left one asks the info component to say so.
for event in 516 514 513; do press_icon $event; done
wait_for 20 "the info component to start with /a" stub_started HINTFEED.EXE ' /a'
[ "$(stub_log | grep -c 'HINTFEED.EXE.* /a')" -eq 1 ] || fail "the info component started more than once"
menu_closed || fail "the right press opened the menu while starting"
pass "the splash names the owner; a left press while starting starts HINTFEED.EXE /a, other events nothing"

peer wait-no-window "#32770" Orvintal 30 >/dev/null || fail "the splash stays"
wait_for 60 "the hub to finish its start" setting Quickwrite
expect_tray_icon ready 45

# Explorer restarts: the task bar has lost every icon and announces itself.
peer restart-taskbar || fail "the task bar did not know the hub's icon"
expect_tray_icon ready
pass "icon back after TaskbarCreated, with its picture"
stop_hub
