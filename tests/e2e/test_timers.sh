#!/usr/bin/env bash
# The hub's timers under Wine: the start completes once the components' index is there (the tip until then,
# the chosen start component after); a close request in NowClose ends the hub within one Timer3 period;
# EXIT.SUB ends it within one Timer5 period through the exit command, opening the help topic it names.
source "$(dirname "$0")/lib.sh"
e2e_setup

TIMER3_SECONDS=10
TIMER5_SECONDS=33
SLACK_SECONDS=5

# True once the component was started with the switches more than the given number of times.
starts_above() { [ "$(stub_count_of "$1" "$2")" -gt "$3" ]; }

# ---- Timer4 waits for the index, then completes the start; Timer3 obeys NowClose.
set_setting StartApp REG_DWORD 2
rm -f "$ORV_DIR/DATEX.IHP"
start_hub_running
wait_for 30 "the waiting tip" stub_started HINTFEED.EXE ' /a'
wait_for 20 "a second tip" starts_above HINTFEED.EXE ' /a' 1
[ "$(stub_count_of ACCOUNTS.EXE '')" -eq 0 ] || fail "start component opened while the index is missing"
printf '[000]\r\n' >"$ORV_DIR/DATEX.IHP"
wait_for 15 "the start component" stub_started ACCOUNTS.EXE '' 1
pass "the start waits for the index with its tip, then completes with ACCOUNTS.EXE"
tips=$(stub_count_of HINTFEED.EXE ' /a')
set_setting NowClose REG_DWORD 1
expect_hub_ended $((TIMER3_SECONDS + SLACK_SECONDS))
[ "$(stub_count_of HINTFEED.EXE ' /a')" -eq "$tips" ] || fail "tips went on after the start completed"
[ "$(stub_count_of ACCOUNTS.EXE '')" -eq 1 ] || fail "start component opened more than once"

# ---- Timer5 runs once the start has deleted an old EXIT.SUB (the start component opened by Timer4 comes
# later); EXIT.SUB with a topic number opens the help, then the suite closes through the menu's exit command,
# which starts CLOSEALL.EXE once more and removes the contributions data and the local database copy.
touch "$ORV_DIR/Orvintal.chf"
printf '[000]\r\n' >"$ORV_DIR/DATEX.IHP"
start_hub_running
wait_for 20 "the start to complete" starts_above ACCOUNTS.EXE '' 1
set_setting NoTmpBeitrag REG_DWORD 1
touch "$ORV_DIR/BUDGET.XML"
[ -e "$ORV_DIR/DATEX.NET" ] || fail "the start made no local copy DATEX.NET"
printf '[HELPID]\r\nChmFileID=4711\r\n' >"$ORV_DIR/EXIT.SUB"
expect_hub_ended $((TIMER5_SECONDS + SLACK_SECONDS))
stub_started HELPVIEW.EXE " $ORV_DIR_WIN\\Orvintal.chf,4711" 1 || fail "help topic 4711 not opened"
stub_started HINTFEED.EXE ' /b' 1 || fail "no closing tip"
[ "$(stub_count_of CLOSEALL.EXE '')" -eq 2 ] || fail "CLOSEALL.EXE not started by the request and the exit command"
[ ! -e "$ORV_DIR/BUDGET.XML" ] && [ ! -e "$ORV_DIR/DATEX.NET" ] || fail "the exit command left BUDGET.XML or DATEX.NET"
pass "help topic, closing tip, CLOSEALL.EXE and the exit command's clean-up"
