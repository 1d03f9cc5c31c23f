#!/usr/bin/env bash
# The member database and its backups at the start: the daily rotation gives DATEX.BAK the day it was
# made; a missing database brings the restore prompt, answered Yes (the backup comes back and the hub
# runs), No (the backup goes to the recycle bin and the first-start assistant makes a new database) and
# Cancel (EXIT.SUB is left and the hub ends without touching the backup).
source "$(dirname "$0")/lib.sh"
e2e_setup

saved="$E2E_ARTIFACTS/configured.dat"
cp "$ORV_DIR/DATEX.DAT" "$saved"
# Wine keeps its recycle bin in the XDG trash of the user: a test's own, not the developer's.
export XDG_DATA_HOME="$E2E_ARTIFACTS/xdg"
mkdir -p "$XDG_DATA_HOME/Trash/files" "$XDG_DATA_HOME/Trash/info"

prompt="$BOX_TITLE"$'\t''Die Datenbank von Orvintal wurde nicht gefunden. \nKlicken Sie '"''Abbrechen''"' um die Anwendung zu beenden, \noder '"''Nein''"' um eine neue Datenbank zu erstellen.\n\nEine Datenbanksicherung jetzt wiederherstellen ?\n[Backup vom: 30.11.2025 08:15:00]'$'\t''Cancel|Yes|No'$'\t''exclamation'

# The database is gone, DATEX.BAK is the configured database from a known moment: a start asks to restore
# it and gets this answer.
answer_restore_prompt() {
    rm -f "$ORV_DIR/DATEX.DAT"
    cp "$saved" "$ORV_DIR/DATEX.BAK"
    touch -d '2025-11-30 08:15:00' "$ORV_DIR/DATEX.BAK"
    peer reg-delete HKLM "$ORV_KEY" Quickwrite >/dev/null 2>&1 || true
    start_hub
    expect_box "$prompt"
    answer "$1"
}

backup_untouched() { cmp -s "$ORV_DIR/DATEX.BAK" "$saved" || fail "the backup changed"; }

# ---- daily rotation: an old database still gives a backup dated today; the previous one is kept
printf 'alte Sicherung\r\n[000]\r\n' >"$ORV_DIR/DATEX.BAK"
touch -d 'yesterday' "$ORV_DIR/DATEX.BAK"
touch -d '3 days ago' "$ORV_DIR/DATEX.DAT"
start_hub_running
cmp -s "$ORV_DIR/DATEX.OLD" <(printf 'alte Sicherung\r\n[000]\r\n') || fail "DATEX.OLD is not the previous backup"
head -c 5 "$ORV_DIR/DATEX.BAK" | grep -q '^\[000\]' || fail "DATEX.BAK is not the database"
[ "$(date -r "$ORV_DIR/DATEX.BAK" +%F)" = "$(date +%F)" ] || fail "DATEX.BAK is not dated today"
pass "rotation: DATEX.OLD is the previous backup, DATEX.BAK today's copy"
stop_hub

# ---- Yes
answer_restore_prompt Yes
expect_box "$BOX_TITLE"$'\t''Eine Sicherungsdatei der Datenbank wurde wiederhergestellt.   '$'\t''OK'$'\t''exclamation'
answer OK
wait_for 60 "the end of the start (Quickwrite)" setting Quickwrite
expect_hub_runs
[ "$(head -c 5 "$ORV_DIR/DATEX.DAT")" = "[000]" ] || fail "no database restored"
backup_untouched
pass "Yes: the backup restored, the hub runs"
stop_hub

# ---- Cancel
answer_restore_prompt Cancel
expect_hub_ended
[ "$(od -An -c "$ORV_DIR/EXIT.SUB" | tr -d ' ')" = '\r\n' ] || fail "EXIT.SUB is not one empty line"
[ ! -e "$ORV_DIR/DATEX.DAT" ] || fail "a database appeared"
backup_untouched
pass "Cancel: EXIT.SUB left, the hub ended, the backup untouched"
rm -f "$ORV_DIR/EXIT.SUB"

# ---- No
answer_restore_prompt No
expect_box ' Herzlich Willkommen'$'\t''Der Assistent für den Ersten Start und die Konfiguration von Orvintal wird nun gestartet. Geben Sie die Informationen zur Beratungsstelle und den Steuerspar-Programmen an und aktivieren die gewünschte Einstellungen.'$'\t''OK'$'\t''information'
answer OK ' Herzlich Willkommen'
expect_hub_ended
expect_setting FirstRun $'REG_DWORD\t0'
[ ! -e "$ORV_DIR/DATEX.BAK" ] || fail "DATEX.BAK is still there"
find "$XDG_DATA_HOME/Trash/files" -iname 'DATEX.BAK*' | grep -q . || fail "DATEX.BAK is not in the recycle bin"
pass "No: the backup went to the recycle bin"
expect_setting Database $'REG_SZ\tC:\\Documents\\'
cmp -s "$WINEPREFIX/drive_c/Documents/DATEX.DAT" "$ORV_DIR/Data/NEWDATA.DAT" || fail "no new database in C:\\Documents"
wait_for 30 "HUBAGENT.EXE /admin" stub_started HUBAGENT.EXE ' /admin' 1
pass "No: a new database from NEWDATA.DAT in C:\\Documents, the installation agent started with /admin"
