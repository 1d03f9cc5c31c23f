#!/usr/bin/env bash
# The network database cannot be reached: the hub shows the window `Datenbank` (a screenshot records it).
# The arrow keys in its closed list only select, even the entry that quits; an entry picked from the
# dropped-down list runs ("Prüfung erneut starten" shows the window again); once the share is back, the
# background check closes the window and the start goes on to its end.
source "$(dirname "$0")/lib.sh"
e2e_setup

WAIT_CAPTION=' Brekkan Orvintal®'
LIST=403
share="$WINEPREFIX/dosdevices/unc/nas/lohn"  # Wine's place for \\nas\lohn
set_setting Database REG_SZ '\\nas\lohn\'

wait_window() { peer wait-window '#32770' "$WAIT_CAPTION" "$1" | cut -f1; }
other_window() { window=$(wait_window 0) && [ "$window" != "$first" ]; }
# Keys go to the window in front, which the wait window makes itself.
keys() { xdotool key --delay 150 "$@"; }

start_hub
first=$(wait_window 60) || fail "no database wait window"
wait_for 10 "the wait window to take the keyboard" prints "$WAIT_CAPTION" xdotool getwindowfocus getwindowname
keys Up Up Up Up Up
# Read back from the list: once it shows the moved selection, the keys have been handled.
wait_for 10 "the selection to reach the quit entry" prints 'Orvintal jetzt beenden' peer dialog-get "$WAIT_CAPTION" $LIST
screenshot database-wait-quit-selected
[ "$(wait_window 0)" = "$first" ] || fail "moving onto \"Orvintal jetzt beenden\" with the arrow keys ran it"
expect_hub_runs
pass "arrow keys in the closed list only select"

keys alt+Down Down Down Down Down Return
wait_for 30 "the window shown again by the retry" other_window
pass "entry chosen from the list runs: the test is repeated and the window shown again"

mkdir -p "$share"
cp "$ORV_DIR/DATEX.DAT" "$share/DATEX.DAT"
peer wait-no-window '#32770' "$WAIT_CAPTION" 90 >/dev/null || fail "the background check did not notice the share"
wait_for 90 "the end of the start (Quickwrite)" setting Quickwrite
expect_hub_runs
[ -d "$share/Belege" ] || fail "the start did not go on with the database on the share"
pass "share back: the window closed itself and the start went on"
stop_hub
