#!/usr/bin/env bash
# An installed system: the hub stays running with its hidden window and command box and writes the
# settings that the components read.
source "$(dirname "$0")/lib.sh"
e2e_setup

start_hub_running
peer find-child "$HUB_CAPTION" ThunderRT6TextBox >/dev/null || fail "hub window without command box"
pass "hub window \"$HUB_CAPTION\" with its command box"
screenshot started

expect_setting Quickwrite $'REG_DWORD\t1'
expect_setting InstallDir $'REG_SZ\tC:\\Orvintal'
expect_setting_like Version $'REG_SZ\t[0-9]+\\.[0-9]+\\.[0-9]+'
expect_setting NowClose $'REG_DWORD\t0'
[ "$(peer find-window "$HUB_CLASS" "$HUB_CAPTION" | wc -l)" -eq 1 ] || fail "not exactly one hub window"
expect_hub_runs
expect_no_box
pass "hub keeps running, no message box"

# The info component prepares the local database copy in a hidden window; the advice component starts
# in a normal one.
wait_for 30 "HINTFEED.EXE /t hidden" stub_started HINTFEED.EXE ' /t' 0
wait_for 30 "ADVICE.EXE" stub_started ADVICE.EXE '' 1
pass "components of the start launched"

stop_hub
