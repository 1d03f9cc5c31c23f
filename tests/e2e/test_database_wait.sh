#!/usr/bin/env bash
# The network database cannot be reached: the hub shows the window `Datenbank` (a screenshot records it).
# The arrow keys in its closed list only select, even the entry that quits; once the share is back, an entry
# picked from the dropped-down list runs: "Prüfung erneut starten" finds the database, the window closes and
# the start goes on to its end. (The background check every 65 seconds is left to the unit tests.)
source "$(dirname "$0")/lib.sh"
e2e_setup

WAIT_CAPTION=' Brekkan Orvintal®'
LIST=403
share="$WINEPREFIX/dosdevices/unc/nas/lohn"  # Wine's place for \\nas\lohn
set_setting Database REG_SZ '\\nas\lohn\'

wait_window() { peer wait-window '#32770' "$WAIT_CAPTION" "$1" | cut -f1; }

start_hub
first=$(wait_window 60) || fail "no database wait window"
# The window makes itself the one in front, but Wine's request for the keyboard carries the time of its last
# message, which the X server may refuse as stale: the keys go to it as after a user's click.
xdotool search --name "^$WAIT_CAPTION\$" windowfocus --sync
xdotool key --delay 150 Up Up Up Up Up
# Read back from the list: once it shows the moved selection, the keys have been handled.
wait_for 10 "the selection to reach the quit entry" prints 'Orvintal jetzt beenden' peer dialog-get "$WAIT_CAPTION" $LIST
screenshot database-wait-quit-selected
[ "$(wait_window 0)" = "$first" ] || fail "moving onto \"Orvintal jetzt beenden\" with the arrow keys ran it"
expect_hub_runs
pass "arrow keys in the closed list only select"

mkdir -p "$share"
cp "$ORV_DIR/DATEX.DAT" "$share/DATEX.DAT"
xdotool key --delay 150 alt+Down Down Down Down Down Return
peer wait-no-window '#32770' "$WAIT_CAPTION" 30 >/dev/null || fail "\"Prüfung erneut starten\" from the list did not find the share"
wait_for 60 "the end of the start (Quickwrite)" setting Quickwrite
expect_hub_runs
[ -d "$share/Belege" ] || fail "the start did not go on with the database on the share"
pass "share back, the entry chosen from the list: the window closed and the start went on"
stop_hub
