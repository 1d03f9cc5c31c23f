#!/usr/bin/env bash
# The member search from the menu: a surname typed into the term field, the search started, the hits read from
# the real list view (the umlaut spelling found by its two-letter one), the history in REFIND.DAT; a hit opened
# in the member administration, first with none running (started with the formatted id), then with one running
# (it receives the id in its text box, nothing new starts).
source "$(dirname "$0")/lib.sh"
e2e_setup

SEARCH=' Personen suchen'
TERM_FIELD=453
BSUCHEN=457
VNAMEN=460
ANZAHL=462
export KOLVANE_STUB_LOG='C:\Orvintal\stub.log'

# A click on the first hit, then the entry of the result menu once the menu is read whole.
result_menu_read() { peer menu-read 1 | grep -q $'\tMitgliederverwaltung $'; }
open_in_administration() {
    peer list-click "$SEARCH" $VNAMEN 0 || fail "cannot click the first hit"
    wait_for 10 "the result menu" result_menu_read
    screenshot search-menu
    peer menu-choose "Mitgliederverwaltung " 5 || fail "cannot choose Mitgliederverwaltung"
}

start_hub_ready
open_search || fail "no search window"
peer dialog-set "$SEARCH" $TERM_FIELD Mueller || fail "cannot type the term"
started=$(date +%s%N)
peer dialog-click "$SEARCH" $BSUCHEN || fail "cannot click Suchen"
# The history is written once the scan is through, right before the count is shown.
wait_for 30 "the search to end" grep -q 'Mueller' "$ORV_DIR/REFIND.DAT"
elapsed_ms=$((($(date +%s%N) - started) / 1000000))
screenshot search
anzahl=$(peer dialog-get "$SEARCH" $ANZAHL)
rows="$E2E_ARTIFACTS/rows.txt"
peer list-read "$SEARCH" $VNAMEN >"$rows"
# The demo database's three Müllers, in the order of their numbers; the couple with both first names.
[ "$(cat "$rows")" = $'160\tMüller\tKarl-Heinz\n620\tMüller\tÖmer\n830\tMüller\tGötz und Gudrun' ] ||
    fail "the hits for Mueller: $(cat "$rows")"
# The count stays two seconds, then the prompt returns.
[[ $anzahl == "Es wurden 3 Einträge gefunden." || $anzahl == Bitte* ]] || fail "the count reads '$anzahl'"
[ "$(tr -d '\r' <"$ORV_DIR/REFIND.DAT")" = $'[REFIND]\n100=Mueller' ] || fail "REFIND.DAT: $(cat "$ORV_DIR/REFIND.DAT")"
pass "the 3 Müllers for Mueller, from the search click to the last row shown in ${elapsed_ms} ms; the term in REFIND.DAT"

id=$(head -n1 "$rows" | cut -f1) logged=$(stub_count)
open_in_administration
wait_for 20 "the member administration" prints $((logged + 1)) stub_count
[ "$(stub_log | tail -n1)" = $'ACCOUNTS.EXE\t"C:\\Orvintal\\ACCOUNTS.EXE" '"$id"$'\t1' ] || fail "started: $(stub_log | tail -n1)"
expect_setting LastUser $'REG_SZ\t'"$id"
pass "none running: ACCOUNTS.EXE started with $id, LastUser $id"

received="$E2E_ARTIFACTS/received.txt"
# Straight to the file, not through peer(), which prints only once the program has ended.
wine "$E2E_BIN/peer.exe" member-administration 20 >"$received" &
peer wait-window ThunderRT6Main "Brekkan Verwaltung" 10 >/dev/null || fail "the member administration's window is missing"
open_in_administration
wait_for 10 "the id in the member administration's text box" grep -qx "$id" "$received"
[ "$(stub_count)" -eq $((logged + 1)) ] || fail "a second member administration was started"
pass "running: its text box received $id, nothing new started"

stop_hub
