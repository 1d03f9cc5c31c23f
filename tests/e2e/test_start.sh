#!/usr/bin/env bash
# An installed system: the hub starts with its hidden window, launches the components of the start and
# rotates the daily backup (a second start, and two at once, are test_peers.sh's). The hub ends on
# "$Ende$" in its command box, on the close of its window, at log-off and when its window is made visible, each time taking its icon, window and mutex along, so that a new hub
# starts at once; the close and the log-off take this workstation out of DATEX.PCN and leave every other byte.
source "$(dirname "$0")/lib.sh"
e2e_setup

# An old database still gives a backup dated today; the previous backup is kept as DATEX.OLD.
printf 'alte Sicherung\r\n[000]\r\n' >"$ORV_DIR/DATEX.BAK"
touch -d yesterday "$ORV_DIR/DATEX.BAK"
touch -d '3 days ago' "$ORV_DIR/DATEX.DAT"
# Windows-1252 bytes and lines a rewrite would change: a comment, blank lines, indentation, bare line feeds,
# no final line break.
list="$ORV_DIR/DATEX.PCN"
before="; Arbeitspl\\xe4tze des Vereins\r\n\r\n[001]\r\nPCName=$(scramble EMPFANG)\r\n\r\n"
ours="[002]\r\nPCName=$(scramble beratung1)\r\nZuletzt=heute\r\n\r\n"
after="[003]\nPCName=$(scramble KASSE)\n  [004]  \r\n\tPCName = $(scramble CHEF)\r\nohne Zeilenende"
printf "$before$after" >"$E2E_ARTIFACTS/without-ours.pcn"
printf "$before$ours$after" >"$E2E_ARTIFACTS/with-ours.pcn"
set_setting PCName REG_SZ BERATUNG1
write_list() { cp "$E2E_ARTIFACTS/with-ours.pcn" "$list"; }
expect_list() {
    cmp -s "$list" "$E2E_ARTIFACTS/$1.pcn" || fail "DATEX.PCN is not $1: $(od -c "$list" | head -20)"
    [ -z "$(ls "$list".* 2>/dev/null)" ] || fail "files of the write are left: $(ls "$list".*)"
    pass "DATEX.PCN $2"
}

start_hub_running
expect_no_box
# The info component prepares the local database copy in a hidden window; the advice component starts in a
# normal one.
wait_for 30 "HINTFEED.EXE /t hidden" stub_started HINTFEED.EXE ' /t' 0
wait_for 30 "ADVICE.EXE" stub_started ADVICE.EXE '' 1
cmp -s "$ORV_DIR/DATEX.OLD" <(printf 'alte Sicherung\r\n[000]\r\n') || fail "DATEX.OLD is not the previous backup"
head -c 5 "$ORV_DIR/DATEX.BAK" | grep -q '^\[000\]' || fail "DATEX.BAK is not the database"
[ "$(date -r "$ORV_DIR/DATEX.BAK" +%F)" = "$(date +%F)" ] || fail "DATEX.BAK is not dated today"
pass "the hub runs, the components of the start launched; DATEX.OLD is the previous backup, DATEX.BAK today's copy"

# Which texts close and what the close sequence cleans up are the unit tests'; here the real command box.
wait_for 15 "the hub's icon" tray_icon_shown
peer send-command "$HUB_CAPTION" '$Ende$' || fail "no command box to send \$Ende\$ to"
expect_hub_gone

# The close of the window, as Windows' task manager asks for it.
expect_new_hub
write_list
wine taskkill /im KOLVANE.EXE >/dev/null 2>&1 || fail "taskkill found no hub"
expect_hub_gone
expect_list without-ours "lost exactly this workstation's section on WM_CLOSE"

expect_new_hub
write_list
[ "$(peer end-session)" = yes ] || fail "the hub refused the end of the session"
expect_hub_gone
expect_list without-ours "lost exactly this workstation's section at log-off"

# The hidden window made visible: the hub ends at once, without touching the list.
expect_new_hub
write_list
peer show-hub || fail "no hub window to show"
expect_hub_gone
expect_list with-ours "untouched by the resize"

# Support staff read each start and each end of this scenario, and who asked for it, in the diagnostic log.
log=$(find "$WINEPREFIX/drive_c/users" -name KOLVANE.LOG -print -quit)
for line in 'Start vollständig' 'Ende: Befehl $Ende$ eines anderen Programms' 'Ende: Hub-Fenster entladen' \
    'Ende: Hub-Fenster sichtbar geworden'; do
    iconv -f CP1252 -t UTF-8 "${log:-/dev/null}" | grep -qF "$line" || fail "the diagnostic log lacks \"$line\""
done
