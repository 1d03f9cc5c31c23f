#!/usr/bin/env bash
# The network database cannot be reached: the hub shows the window `Datenbank` (a screenshot records it).
# The arrow keys in its closed list only select, even the entry that quits; an entry picked from the
# dropped-down list runs ("Prüfung erneut starten" shows the window again); once the share is back, the
# background check closes the window and the start goes on to its end.
source "$(dirname "$0")/lib.sh"
e2e_setup

WAIT_CLASS='#32770'
WAIT_CAPTION=' Brekkan Orvintal®'
share="$WINEPREFIX/dosdevices/unc/nas/lohn"  # Wine's place for \\nas\lohn
set_setting Database REG_SZ '\\nas\lohn\'

wait_window() { peer wait-window "$WAIT_CLASS" "$WAIT_CAPTION" "$1" | cut -f1; }
# Keys go to the window in front, which the wait window makes itself.
keys() { xdotool key --delay 150 "$@"; }

start_hub
first=$(wait_window 60) || fail "no database wait window"
pass "window \"$WAIT_CAPTION\" shown"
sleep 1
screenshot database-wait

keys Up
sleep 2
[ "$(wait_window 1)" = "$first" ] || fail "an arrow key in the closed list ran an entry"
keys Up Up Up Up
sleep 3
screenshot database-wait-quit-selected
kill -0 "$HUB_PID" 2>/dev/null || fail "moving onto \"Orvintal jetzt beenden\" with the arrow keys ended the hub"
[ "$(wait_window 1)" = "$first" ] || fail "the window changed while only the selection moved"
pass "arrow keys in the closed list run nothing"

keys alt+Down Down Down Down Down Return
peer wait-no-window "$WAIT_CLASS" "$WAIT_CAPTION" 10 >/dev/null ||
    second=$(wait_window 1)
second=${second:-$(wait_window 30)} || fail "no window after the retry"
[ "$second" != "$first" ] || fail "\"Prüfung erneut starten\" from the list did not retry"
pass "entry chosen from the list runs: the test is repeated and the window shown again"

mkdir -p "$share"
cp "$ORV_DIR/DATEX.DAT" "$share/DATEX.DAT"
peer wait-no-window "$WAIT_CLASS" "$WAIT_CAPTION" 90 >/dev/null || fail "the background check did not notice the share"
wait_for 90 "the end of the start (Quickwrite)" setting Quickwrite
expect_hub_runs
[ -d "$share/Belege" ] || fail "the start did not go on with the database on the share"
pass "share back: the window closed itself and the start went on"

stop_hub
