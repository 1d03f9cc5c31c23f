#!/usr/bin/env bash
# A second start while a hub runs ends within seconds and leaves the first one alone; it has the info
# component tell the user, unless started with "/s".
source "$(dirname "$0")/lib.sh"
e2e_setup

start_hub_running
first=$HUB_PID

start_hub
wait_exit "$HUB_PID" 30
pass "second start ended"
wait_for 30 "HINTFEED.EXE started with \" /x\"" stub_started HINTFEED.EXE ' /x' 1
pass "info component told with \" /x\""
[ "$(peer find-window "$HUB_CLASS" "$HUB_CAPTION" | wc -l)" -eq 1 ] || fail "not exactly one hub window"
kill -0 "$first" 2>/dev/null || fail "the first hub ended"
pass "first hub still the only one"

before=$(stub_log | grep -c ' /x' || true)
start_hub /s
wait_exit "$HUB_PID" 30
[ "$(stub_log | grep -c ' /x' || true)" -eq "$before" ] || fail "\"/s\" start told the info component: $(stub_log)"
pass "\"/s\" start ended quietly"

HUB_PID=$first
stop_hub
