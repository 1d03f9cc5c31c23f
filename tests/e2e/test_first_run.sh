#!/usr/bin/env bash
# A new installation (no settings at all): the hub writes the first-run settings, hands over to the
# installation agent and ends without a window.
source "$(dirname "$0")/lib.sh"
e2e_setup --fresh

today=$(date +%d.%m.%Y) year=$(date +%Y)
start_hub
expect_hub_ended 60
pass "hub ended by itself without a window"

expect_setting Steuerjahr $'REG_SZ\t'$((10#${year:2} - 1))
expect_setting Jahrgang $'REG_SZ\t'$((year - 1))
expect_setting NoTmpBeitrag $'REG_DWORD\t1'
expect_setting NoKillIHP $'REG_DWORD\t1'
# General date format of the German locale: the date, then the time unless it is midnight.
expect_setting_like 'Fristwächter' $'REG_SZ\t'"($today|$(date +%d.%m.%Y))"'( [0-9]{1,2}:[0-9]{2}:[0-9]{2})?'
expect_no_setting FirstRun "FirstRun was written"
pass "FirstRun left to the agent"

wait_for 30 "HUBAGENT.EXE started in a normal window" stub_started HUBAGENT.EXE '' 1
[ "$(stub_count)" -eq 1 ] || fail "more than the agent was started: $(stub_log)"
pass "installation agent started, nothing else"
