#!/usr/bin/env bash
# A missing member database brings the restore prompt at the start: Yes brings the backup back and the hub
# runs; No sends the backup to the recycle bin and the first-start assistant makes a new database.
source "$(dirname "$0")/lib.sh"
e2e_setup

# Wine keeps its recycle bin in the XDG trash of the user: a test's own, not the developer's.
export XDG_DATA_HOME="$E2E_ARTIFACTS/xdg"
mkdir -p "$XDG_DATA_HOME/Trash/files" "$XDG_DATA_HOME/Trash/info"
saved="$E2E_ARTIFACTS/configured.dat"
mv "$ORV_DIR/DATEX.DAT" "$saved"
prompt="$BOX_TITLE"$'\t''Die Datenbank von Orvintal wurde nicht gefunden. \nKlicken Sie '"''Abbrechen''"' um die Anwendung zu beenden, \noder '"''Nein''"' um eine neue Datenbank zu erstellen.\n\nEine Datenbanksicherung jetzt wiederherstellen ?\n[Backup vom: 30.11.2025 08:15:00]'$'\t''Cancel|Yes|No'

# DATEX.BAK is a database from a known moment: a start asks to restore it and gets this answer.
answer_restore_prompt() {
    cp "$saved" "$ORV_DIR/DATEX.BAK"
    touch -d '2025-11-30 08:15:00' "$ORV_DIR/DATEX.BAK"
    start_hub
    expect_box "$prompt"
    answer "$1"
}

answer_restore_prompt Yes
expect_box "$BOX_TITLE"$'\t''Eine Sicherungsdatei der Datenbank wurde wiederhergestellt.   '$'\t''OK'
answer OK
wait_for 60 "the end of the start (Quickwrite)" setting Quickwrite
expect_hub_runs
[ "$(head -c 5 "$ORV_DIR/DATEX.DAT")" = "[000]" ] || fail "no database restored"
cmp -s "$ORV_DIR/DATEX.BAK" "$saved" || fail "the backup changed"
pass "Yes: the backup restored, the hub runs"
stop_hub

rm "$ORV_DIR/DATEX.DAT"
answer_restore_prompt No
expect_box ' Herzlich Willkommen'$'\t''Der Assistent für den Ersten Start und die Konfiguration von Orvintal wird nun gestartet. Geben Sie die Informationen zur Beratungsstelle und den Steuerspar-Programmen an und aktivieren die gewünschte Einstellungen.'$'\t''OK'
answer OK ' Herzlich Willkommen'
expect_hub_ended
expect_setting FirstRun $'REG_DWORD\t0'
[ ! -e "$ORV_DIR/DATEX.BAK" ] || fail "DATEX.BAK is still there"
find "$XDG_DATA_HOME/Trash/files" -iname 'DATEX.BAK*' | grep -q . || fail "DATEX.BAK is not in the recycle bin"
expect_setting Database $'REG_SZ\tC:\\Documents\\'
cmp -s "$WINEPREFIX/drive_c/Documents/DATEX.DAT" "$ORV_DIR/Data/NEWDATA.DAT" || fail "no new database in C:\\Documents"
wait_for 30 "HUBAGENT.EXE /admin" stub_started HUBAGENT.EXE ' /admin' 1
pass "No: the backup in the recycle bin, a new database from NEWDATA.DAT in C:\\Documents, the agent started with /admin"
