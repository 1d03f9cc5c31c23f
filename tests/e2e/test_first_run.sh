#!/usr/bin/env bash
# A new installation (no settings at all): the hub writes the first-run settings (their values are the unit
# tests'; the date here in the German format of the locale), hands over to the installation agent and ends
# without a window.
source "$(dirname "$0")/lib.sh"
e2e_setup --fresh

today=$(date +%d.%m.%Y)
start_hub
expect_hub_ended 60
# General date format of the German locale: the date, then the time unless it is midnight.
[[ $(setting 'Fristwächter') =~ ^REG_SZ$'\t'($today|$(date +%d.%m.%Y))( [0-9]{1,2}:[0-9]{2}:[0-9]{2})?$ ]] ||
    fail "Fristwächter is '$(setting 'Fristwächter')', not today's date in the German format"
! setting FirstRun >/dev/null 2>&1 || fail "FirstRun was written, not left to the agent"
wait_for 30 "HUBAGENT.EXE started in a normal window" stub_started HUBAGENT.EXE '' 1
[ "$(stub_count)" -eq 1 ] || fail "more than the agent was started: $(stub_log)"
pass "first-run settings written, the installation agent started and nothing else, the hub ended"
