#!/usr/bin/env bash
# Peers at the same time, in short rounds (./soak.sh runs the same rounds long: KOLVANE_SOAK_STARTS double
# starts, a peer loop of KOLVANE_SOAK_SECONDS):
# - two hubs started at the same moment: one survives, the other ends as a second start does, and the
#   survivor's end leaves no window, icon or mutex in the next round's way;
# - "$Ende$" in each long wait (start delay, database wait window, index build, temporary database, search,
#   options window): the hub ends cleanly every time, and the next start works;
# - the share of the database drops out while the hub runs: the search and the options say so, and work
#   again once the share is back, without a restart;
# - a component writes DATEX.DAT through the profile functions in a loop while the hub rotates its backup,
#   searches and stores the member number ranges: no write of either is lost, every search sees the whole
#   file, the backup is a whole database.
source "$(dirname "$0")/lib.sh"
e2e_setup

STARTS=${KOLVANE_SOAK_STARTS:-1}
SECONDS_OF_LOOP=${KOLVANE_SOAK_SECONDS:-8}
SEARCH=' Personen suchen'
TERM_FIELD=453
BSUCHEN=457
VNAMEN=460
ANZAHL=462
OPTIONS=' Einstellungen'
TENDE1=1102
WAIT_CAPTION=' Brekkan Orvintal®'
share="$WINEPREFIX/dosdevices/unc/nas/lohn"  # Wine's place for \\nas\lohn
export KOLVANE_STUB_LOG='C:\Orvintal\stub.log'

# ---- two hubs at the same moment

alive() { kill -0 "$1" 2>/dev/null; }
one_ended() { ! alive "$1" || ! alive "$2"; }
for round in $(seq "$STARTS"); do
    told=$(stub_count_of HINTFEED.EXE ' /x')
    reg delete /v Quickwrite || true
    start_hub && first=$HUB_PID
    start_hub && second=$HUB_PID
    wait_for 60 "one of two hubs to end" one_ended "$first" "$second"
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

# ---- "$Ende$" in each long wait

send_end() { peer send-command "$HUB_CAPTION" '$Ende$' || fail "no command box to send \$Ende\$ to"; }
not_counting() { ! peer dialog-get "$SEARCH" $ANZAHL | grep -q gefunden; }
# Once the count of the last search has given way to the prompt, so that the count read next is this search's.
search_for() {
    wait_for 10 "the prompt" not_counting
    peer dialog-set "$SEARCH" $TERM_FIELD "$1" && peer dialog-click "$SEARCH" $BSUCHEN || fail "cannot search for $1"
}
open_search() {
    choose_entry "Mitglieder suchen"
    peer wait-window "#32770" "$SEARCH" 20 >/dev/null || fail "no search window"
}
open_options() {
    choose_entry "Einstellungen ... "
    wait_for 20 "the options window" prints 1 visible_windows "$OPTIONS"
}

in_start_delay() { set_setting StartTime REG_DWORD 30 && start_hub && peer wait-window "$HUB_CLASS" "$HUB_CAPTION" 30; }
in_database_wait() {
    set_setting Database REG_SZ '\\nas\lohn\' && start_hub && peer wait-window '#32770' "$WAIT_CAPTION" 60
}
in_index_build() { touch "$ORV_DIR/DATEX.CCP" && start_hub && wait_for 60 "ADVICE.EXE" stub_started ADVICE.EXE ''; }
in_tmp_database_wait() {
    start_hub_ready && rm "$ORV_DIR/DATEX.IHP" && choose_entry "Mitglieder verwalten  "
    wait_for 20 "the waiting hint" stub_started HINTFEED.EXE ' /me'
}
in_search() { start_hub_ready && open_search && search_for Mueller; }
in_options() { start_hub_ready && open_options; }
for wait in in_start_delay in_database_wait in_index_build in_tmp_database_wait in_search in_options; do
    : >"$ORV_DIR/stub.log"
    $wait >/dev/null || fail "could not reach the wait $wait"
    screenshot "ende-$wait"
    send_end
    expect_hub_gone
    set_setting StartTime REG_DWORD 0 && set_setting Database REG_SZ 'C:\Orvintal\' && rm -f "$ORV_DIR/DATEX.CCP"
    pass "\$Ende\$ $wait ended the hub cleanly"
done

# ---- the share drops out

mkdir -p "$share" && cp "$ORV_DIR/DATEX.DAT" "$share/" && touch "$share/DATEX.IHP"
set_setting Database REG_SZ '\\nas\lohn\'
start_hub_ready
mv "$share" "$share.away"
unreachable=$' Datenbankfehler\tDer Datenbankordner \\\\nas\\lohn\\ ist nicht erreichbar.\\nBitte prüfen Sie die Verbindung zum Server oder zum Netzlaufwerk und versuchen Sie es danach erneut.\tOK'
open_search
search_for Mueller
expect_box "$unreachable"
screenshot share-gone-search
answer OK " Datenbankfehler"
choose_entry "Einstellungen ... "
expect_box "$unreachable"
answer OK " Datenbankfehler"
[ "$(visible_windows "$OPTIONS")" -eq 0 ] || fail "the options window opened on a share that is gone"
pass "share gone: the search and the options say the folder cannot be reached"

mv "$share.away" "$share"
search_for Mueller
wait_for 30 "the hits once the share is back" prints 'Es wurden 3 Einträge gefunden.' peer dialog-get "$SEARCH" $ANZAHL
open_options
peer dialog-click "$OPTIONS" 2
peer wait-no-window "#32770" "$OPTIONS" 20 || fail "the options window stays"
expect_hub_runs
pass "share back: the search finds, the options open, without a restart"
stop_hub
set_setting Database REG_SZ 'C:\Orvintal\'

# ---- a component writes while the hub rotates, searches and stores the number ranges

printf 'alte Sicherung\r\n[000]\r\n' >"$ORV_DIR/DATEX.BAK"
touch -d yesterday "$ORV_DIR/DATEX.BAK"
sections=$(grep -c '^\[' "$ORV_DIR/DATEX.DAT")
wine "$E2E_BIN/peer.exe" database-write-loop "$ORV_DIR_WIN\\DATEX.DAT" PEER "$SECONDS_OF_LOOP" >"$E2E_ARTIFACTS/peer.out" &
writer=$!
start_hub_ready
open_search
searches=0 stored=990
while [ $searches -eq 0 ] || alive "$writer"; do
    search_for Mueller
    wait_for 30 "search $((searches + 1)) to end" prints 'Es wurden 3 Einträge gefunden.' peer dialog-get "$SEARCH" $ANZAHL
    [ "$(peer list-read "$SEARCH" $VNAMEN | cut -f1 | tr '\n' ' ')" = '160 620 830 ' ] || fail "search $((searches + 1)) saw a part of the file"
    searches=$((searches + 1))
    open_options
    stored=$((990 - searches % 50))
    peer dialog-set "$OPTIONS" $TENDE1 $stored && peer dialog-click "$OPTIONS" 1
    peer wait-no-window "#32770" "$OPTIONS" 30 || fail "the options window stays: $(peer wait-box 0)"
done
wait "$writer" || fail "the component lost writes: $(cat "$E2E_ARTIFACTS/peer.out")"
[ "$(peer database-get "$ORV_DIR_WIN\\DATEX.DAT" 000 A2)" = $stored ] || fail "the last number range stored is lost"
# A whole database: its header first, no NUL byte, each member, the last line ended.
bak="$ORV_DIR/DATEX.BAK"
[ "$(head -c 5 "$bak")" = '[000]' ] && [ "$(tr -d '\000' <"$bak" | wc -c)" -eq "$(wc -c <"$bak")" ] &&
    [ $(($(grep -c '^\[' "$bak") - sections)) -le 1 ] && [ "$(tail -c 1 "$bak" | od -An -tx1)" = ' 0a' ] ||
    fail "DATEX.BAK is torn: $(od -c "$bak" | tail -n 3)"
pass "component: $(tr -d '\r' <"$E2E_ARTIFACTS/peer.out"); $searches searches saw the whole file, $searches ranges stored, the backup whole"
stop_hub
