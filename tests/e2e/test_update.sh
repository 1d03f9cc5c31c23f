#!/usr/bin/env bash
# The update manager and the deadline component: a waiting successor replaces the manager, with the hint; the
# day's hand-off starts the manager and ends the hub; waiting settings are handed over once; a start later the
# same day does not hand over again; a due deadline check starts about 3 seconds after the
# start; the member administration of a fresh installation sets the deadline component up, or gives the hint
# without it; the menu's update entries start the manager.
source "$(dirname "$0")/lib.sh"
e2e_setup

# The successor: the stub with one byte more, so that the replacement can be told from the old manager.
{ cat "$ORV_DIR/UPDCTRL.DLL"; printf '\0'; } >"$ORV_DIR/UPDCTRL.UCF"
cp "$ORV_DIR/UPDCTRL.UCF" "$E2E_ARTIFACTS/successor"
set_setting AutoUpdate REG_DWORD 1
set_setting Updates REG_SZ "$(date -d yesterday +%d.%m.%Y)"
start_hub
expect_hub_ended 60
cmp -s "$ORV_DIR/UPDCTRL.DLL" "$E2E_ARTIFACTS/successor" && [ ! -e "$ORV_DIR/UPDCTRL.UCF" ] || fail "the manager was not replaced"
stub_started HINTFEED.EXE ' /me' || fail "no hint of the new manager"
[ "$(stub_count_of UPDCTRL.DLL ' /p')" -eq 1 ] || fail "no hand-off to the manager"
expect_setting Updates $'REG_SZ\t'"$(date +%d.%m.%Y)"
pass "the successor replaced the manager with its hint; the day's hand-off started it and ended the hub"

printf '[Update]\r\n' >"$ORV_DIR/UPDATE.SET"
set_setting InternetUpdate REG_DWORD 0
for run in 1 2; do
    printf '[ROOT]\r\nTimer=3\r\nStart=3\r\nCat=3\r\n' >"$ORV_DIR/FRISTEN.DAT"
    start_hub
    [ $run -eq 2 ] || expect_hub_ended 60
done
peer wait-window "$HUB_CLASS" "$HUB_CAPTION" 60 >/dev/null || fail "no hub after the settings were handed over"
[ "$(stub_count_of UPDCTRL.DLL ' /c')" -eq 1 ] || fail "the waiting settings were not handed over exactly once"
[ "$(stub_count_of UPDCTRL.DLL ' /p')" -eq 1 ] || fail "a second hand-off on the same day"
wait_for 30 "the settings file to go" eval '[ ! -e "$ORV_DIR/UPDATE.SET" ]'
wait_for 30 "the deadline check" stub_started DUEDATES.EXE ' /check'
pass "the waiting settings handed over once and then deleted; the due deadline check started"

reg delete /v Fristwächter
rm -f "$ORV_DIR/FRISTEN.DAT"
touch "$ORV_DIR/DATEX.IHP"
expect_tray_icon ready 60
choose_entry "Mitglieder verwalten  "
wait_for 30 "the deadline component set up" stub_started DUEDATES.EXE ' /auto'
grep -q '^Start=2' "$ORV_DIR/FRISTEN.DAT" || fail "FRISTEN.DAT has no Start=2"
pass "a fresh installation's member administration sets the deadline component up"
choose_entry "&Komplettes Update "
choose_entry "&Webpack-Update "
wait_for 30 "the manager's complete and web-pack updates" eval 'stub_started UPDCTRL.DLL " /a" && stub_started UPDCTRL.DLL " /v"'
expect_hub_runs
pass "the menu's two update entries start the manager; the hub runs on"
rm -f "$ORV_DIR/DUEDATES.EXE"  # the setting is still missing: the component writes it, not the hub
choose_entry "Mitglieder verwalten  "
wait_for 30 "the hint of the missing deadline component" eval '[ "$(stub_count_of HINTFEED.EXE " /me")" -eq 2 ]'
expect_setting Infotip $'REG_SZ\tDie Anwendung zur Überwachung der Fristen ist fehlerhaft oder konnte nicht gefunden werden !'
pass "without the deadline component, the hint"
stop_hub
