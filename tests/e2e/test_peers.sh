#!/usr/bin/env bash
# Peers at the same time, in short rounds (./soak.sh runs them long: KOLVANE_SOAK_STARTS double starts, a write
# loop of KOLVANE_SOAK_SECONDS):
# - two hubs started at the same moment: one survives, the other ends as a second start does, and the
#   survivor's end leaves no window, icon or mutex in the next start's way;
# - "$Ende$" in each long wait (start delay, database wait window, index build, temporary database, search,
#   options window): the hub ends cleanly every time, and the next start works;
# - a component writes DATEX.DAT on the share through the profile functions in a loop while the hub rotates
#   its backup, searches and stores the member number ranges: no write of either is lost, every search sees
#   the whole file, the backup is a whole database;
# - then the share drops out: the number-range window, the automatic backup, the search, the options and the
#   sender window say so, and work again once it is back.
source "$(dirname "$0")/lib.sh"
e2e_setup

# The automatic backup runs only at set hours: every program here lives at ten o'clock local time, the first hour
# of the backup time 0 (TZ's offset counts west of Greenwich).
export TZ="KOL$((12 - (10 - 10#$(date -u +%H) + 36) % 24))"

STARTS=${KOLVANE_SOAK_STARTS:-1}
SEARCH=' Personen suchen'
TERM_FIELD=453
BSUCHEN=457
VNAMEN=460
ANZAHL=462
OPTIONS=' Einstellungen'
TENDE1=1102
share="$WINEPREFIX/dosdevices/unc/nas/lohn"  # Wine's place for \\nas\lohn
export KOLVANE_STUB_LOG='C:\Orvintal\stub.log'

alive() { kill -0 "$1" 2>/dev/null; }
one_ended() { ! alive "$1" || ! alive "$2"; }
for round in $(seq "$STARTS"); do
    told=$(stub_count_of HINTFEED.EXE ' /x')
    reg delete /v Quickwrite || true
    start_hub && first=$HUB_PID && start_hub && second=$HUB_PID
    wait_for 60 "round $round: one of two hubs to end" one_ended "$first" "$second"
    alive "$first" && HUB_PID=$first loser=$second || HUB_PID=$second loser=$first
    wait_exit "$loser" 5
    [ "$HUB_STATUS" -eq 0 ] || fail "round $round: the second hub ended with $HUB_STATUS"
    wait_for 60 "round $round: the survivor to finish its start" setting Quickwrite
    [ "$(peer wait-window "$HUB_CLASS" "$HUB_CAPTION" 0 | wc -l)" -eq 1 ] || fail "round $round: not exactly one hub window"
    wait_for 15 "round $round: the second start to tell the info component" prints $((told + 1)) stub_count_of HINTFEED.EXE ' /x'
    stop_hub
    expect_hub_gone
done
pass "$STARTS double starts: one hub survived each, the other ended as a second start"

# The count of the last search gives way to the prompt before the next search, so that the count read is its own.
prompt_shown() { ! peer dialog-get "$SEARCH" $ANZAHL | grep -q gefunden; }
search_for() {
    wait_for 10 "the prompt" prompt_shown
    peer dialog-set "$SEARCH" $TERM_FIELD "$1" && peer dialog-click "$SEARCH" $BSUCHEN || fail "cannot search for $1"
}
ended_by_command() {
    screenshot "ende-$1"
    peer send-command "$HUB_CAPTION" '$Ende$' || fail "no command box to send \$Ende\$ to"
    expect_hub_gone
    pass "\$Ende\$ $1: the hub ended cleanly"
}

in_start_delay() { set_setting StartTime REG_DWORD 30 && start_hub && peer wait-window "$HUB_CLASS" "$HUB_CAPTION" 30; }
in_database_wait() { set_setting Database REG_SZ '\\nas\lohn\' && start_hub && peer wait-window '#32770' ' Brekkan Orvintal®' 60; }
in_index_build() { touch "$ORV_DIR/DATEX.CCP" && start_hub && wait_for 60 "ADVICE.EXE" stub_started ADVICE.EXE ''; }
in_tmp_database_wait() {
    start_hub_ready && rm "$ORV_DIR/DATEX.IHP" && choose_entry "Mitglieder verwalten  "
    wait_for 20 "the waiting hint" stub_started HINTFEED.EXE ' /me'
}
in_search() { start_hub_ready && open_search && search_for Mueller; }
for wait in in_start_delay in_database_wait in_index_build in_tmp_database_wait in_search; do
    : >"$ORV_DIR/stub.log"
    $wait >/dev/null || fail "could not reach the wait $wait"
    ended_by_command $wait
    set_setting StartTime REG_DWORD 0 && set_setting Database REG_SZ 'C:\Orvintal\' && rm -f "$ORV_DIR/DATEX.CCP"
done

# The share, with yesterday's backup: the start rotates it while the component writes.
mkdir -p "$share" && cp "$ORV_DIR/DATEX.DAT" "$share/" && touch "$share/DATEX.IHP"
printf 'alte Sicherung\r\n[000]\r\n' >"$share/DATEX.BAK" && touch -d yesterday "$share/DATEX.BAK"
set_setting Database REG_SZ '\\nas\lohn\'
sections=$(grep -c '^\[' "$share/DATEX.DAT")
wine "$E2E_BIN/peer.exe" database-write-loop '\\nas\lohn\DATEX.DAT' PEER "${KOLVANE_SOAK_SECONDS:-8}" >"$E2E_ARTIFACTS/peer.out" &
writer=$!
start_hub_ready
open_search || fail "no search window"
searches=0
while [ $searches -eq 0 ] || alive "$writer"; do
    search_for Mueller
    wait_for 30 "search $((searches += 1))" prints 'Es wurden 3 Einträge gefunden.' peer dialog-get "$SEARCH" $ANZAHL
    [ "$(peer list-read "$SEARCH" $VNAMEN | cut -f1 | tr '\n' ' ')" = '160 620 830 ' ] || fail "search $searches saw a part of the file"
    open_options
    peer dialog-set "$OPTIONS" $TENDE1 $((stored = 990 - searches % 50)) && peer dialog-click "$OPTIONS" 1
    peer wait-no-window "#32770" "$OPTIONS" 30 || fail "the options window stays: $(peer wait-box 0)"
done
wait "$writer" || fail "the component lost writes: $(cat "$E2E_ARTIFACTS/peer.out")"
[ "$(peer database-get '\\nas\lohn\DATEX.DAT' 000 A2)" = $stored ] || fail "the last number range stored is lost"
# A whole database: its header first, no NUL byte, each member, the last line ended.
bak="$share/DATEX.BAK"
[ "$(head -c 5 "$bak")" = '[000]' ] && [ "$(tr -d '\000' <"$bak" | wc -c)" -eq "$(wc -c <"$bak")" ] &&
    [ $(($(grep -c '^\[' "$bak") - sections)) -le 1 ] && [ "$(tail -c 1 "$bak" | od -An -tx1)" = ' 0a' ] ||
    fail "DATEX.BAK is torn: $(od -c "$bak" | tail -n 3)"
pass "component: $(tr -d '\r' <"$E2E_ARTIFACTS/peer.out"); $searches searches saw the whole file, as many ranges stored, the backup whole"

# The window (WHAT, its CAPTION) says that the share is gone, and does not open.
refused_on_gone_share() {
    peer wait-box 20 | grep -q 'nicht erreichbar' && answer OK " Datenbankfehler" || fail "$1 did not say the share is gone"
    [ "$(visible_windows "$2")" -eq 0 ] || fail "$1 opened on a share that is gone"
}
open_options
mv "$share" "$share.away"
peer dialog-click "$OPTIONS" 504 && peer menu-choose "Nummernkreis festlegen " 10 || fail "no extra menu entry"
refused_on_gone_share "the number-range window" ' Orvintal Lizenzierung'
expect_field "$OPTIONS" $TENDE1 $stored
peer dialog-click "$OPTIONS" 2
set_setting AutoTaxTime REG_DWORD 0 && set_setting AutoTaxBackup REG_DWORD 1
balloon_shown() { peer wait-window tooltips_class32 - 0 | grep -q $'\tvisible$'; }
wait_for 20 "the balloon of the postponed backup" balloon_shown
screenshot share-gone-backup
! stub_started DATASAFE.EXE ' /auto' && ! setting TaxBackup || fail "a backup of a share that is gone"
search_for Mueller
expect_box $' Datenbankfehler\tDer Datenbankordner \\\\nas\\lohn\\ ist nicht erreichbar.\\nBitte prüfen Sie die Verbindung zum Server oder zum Netzlaufwerk und versuchen Sie es danach erneut.\tOK'
screenshot share-gone-search
answer OK " Datenbankfehler"
choose_entry "Einstellungen ... "
refused_on_gone_share "the options window" "$OPTIONS"
choose_entry "Beratungsstellen "
refused_on_gone_share "the sender window" ' Beratungsstellen'
! stub_started DATASAFE.EXE ' /auto' || fail "a backup of a share that is gone"
mv "$share.away" "$share"
search_for Mueller
wait_for 30 "the hits once the share is back" prints 'Es wurden 3 Einträge gefunden.' peer dialog-get "$SEARCH" $ANZAHL
wait_for 20 "the backup once the share is back" stub_started DATASAFE.EXE ' /auto'
expect_setting TaxBackup $'REG_SZ\t'"$(date +%Y-%m-%d)"
open_options
pass "share gone: the number ranges, the backup, the search, the options and the sender window said so; back: they work again, without a restart"
refresh=$(setting RefreshDialog || true)
peer dialog-click "$OPTIONS" 1002  # CRefreshDialog: the end leaves it unsaved
ended_by_command in_options
[ "$(setting RefreshDialog)" = "$refresh" ] || fail "the options window saved on \$Ende\$"
