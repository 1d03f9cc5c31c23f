#!/usr/bin/env bash
# The hub ends on the close of its window (WM_CLOSE), at log-off (WM_ENDSESSION) and when its window is
# made visible (resize): each time it takes its icon, window and mutex along, so that a new hub starts at
# once; the close and the log-off take this workstation out of DATEX.PCN and leave every other byte.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_lifecycle.sh"
e2e_setup

list="$ORV_DIR/DATEX.PCN"
# Windows-1252 bytes and lines a rewrite would change: a comment, blank lines, indentation, bare line feeds, no final line break.
before="; Arbeitspl\\xe4tze des Vereins\r\n\r\n[001]\r\nPCName=$(scramble EMPFANG)\r\n\r\n"
ours="[002]\r\nPCName=$(scramble beratung1)\r\nZuletzt=heute\r\n\r\n"
after="[003]\nPCName=$(scramble KASSE)\n  [004]  \r\n\tPCName = $(scramble CHEF)\r\nohne Zeilenende"
write_list() { printf "$before$ours$after" >"$list"; }
write_list
printf "$before$after" >"$E2E_ARTIFACTS/without-ours.pcn"
cp "$list" "$E2E_ARTIFACTS/with-ours.pcn"
set_setting PCName REG_SZ BERATUNG1

expect_list() {
    cmp -s "$list" "$E2E_ARTIFACTS/$1.pcn" || fail "DATEX.PCN is not $1: $(od -c "$list" | head -20)"
    [ -z "$(ls "$list".* 2>/dev/null)" ] || fail "files of the write are left: $(ls "$list".*)"
    pass "DATEX.PCN $2"
}

# The close of the window, as Windows' task manager asks for it.
start_hub_running
wait_for 15 "the hub's icon" tray_icon_shown
touch "$ORV_DIR/DATEX.IHP"
set_setting Encoder REG_DWORD 1
wine taskkill /im KOLVANE.EXE >/dev/null 2>&1 || fail "taskkill found no hub"
expect_hub_gone
expect_list without-ours "lost exactly this workstation's section on WM_CLOSE"
[ ! -e "$ORV_DIR/DATEX.IHP" ] || fail "DATEX.IHP is left in the program folder"
pass "program folder's DATEX.IHP removed"
expect_setting Encoder $'REG_DWORD\t0'
expect_setting NowClose $'REG_DWORD\t0'  # the close sequence did not run
expect_new_hub

# Log-off of the new hub.
write_list
tray_peer end-session "$HUB_CAPTION" | grep -qx 'query: yes' || fail "the hub refused the end of the session"
expect_hub_gone
expect_list without-ours "lost exactly this workstation's section at log-off"
expect_new_hub

# The hidden window made visible: the hub ends at once, without touching the list.
write_list
tray_peer show-hub "$HUB_CAPTION" || fail "no hub window to show"
expect_hub_gone
expect_list with-ours "untouched by the resize"
expect_new_hub

stop_hub
