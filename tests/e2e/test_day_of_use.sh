#!/usr/bin/env bash
# A day of use on the real hub: the menu opened and closed, member searches, the options and the sender data
# windows opened and closed, while the timers tick at their own periods (the case folder watch shows its balloon
# at every tick), then the hub left alone with its timers. The hub's handles, windows and working set are read after a warm-up round and after each kind's
# cycles: a leak of one object per cycle grows a count by the number of cycles, so none may grow by half of them.
# GDI and USER objects are reported as the system counts them (Wine answers 0). KOLVANE_DAY_OF_USE=full runs the
# whole day, 500 menus, 200 searches, 50 of each window, 5 minutes idle (./soak.sh, which also sets
# KOLVANE_TIMER_SCALE=10 so that the timers tick ten times as often); the default is a short round of a fiftieth.
source "$(dirname "$0")/lib.sh"
e2e_setup

SEARCH=' Personen suchen'
share=50
[ "${KOLVANE_DAY_OF_USE:-}" != full ] || share=1

menu_shown() { peer wait-window "#32768" - 0 | grep -q $'\tvisible$'; }
# Opens a window from the menu, runs the command that follows inside it, closes it with its cancel button:
# ENTRY WINDOW CANCEL-ID [COMMAND...].
cycle_window() {
    choose_entry "$1"
    wait_for 20 "the window \"$2\"" prints 1 visible_windows "$2"
    [ $# -lt 4 ] || "${@:4}"
    peer dialog-click "$2" "$3" && peer wait-no-window "#32770" "$2" 20 || fail "the window \"$2\" stays"
}
# The count shows for two seconds once the scan is through; until then Abbrechen stops the scan.
search_mueller() {
    peer dialog-set "$SEARCH" 453 Mueller && peer dialog-click "$SEARCH" 457 || fail "cannot search"
    wait_for 30 "the three Müllers" prints "Es wurden 3 Einträge gefunden." peer dialog-get "$SEARCH" 462
}
# The hub ignores the icon until its menu call has returned.
use_menu() { press_icon 516 && wait_for 15 "the menu" menu_shown && peer menu-close 5 && sleep 0.2; }
use_search() { cycle_window "Mitglieder suchen" "$SEARCH" 458 search_mueller; }
use_options() { cycle_window "Einstellungen ... " ' Einstellungen' 2; }
use_sender() { cycle_window "Beratungsstellen " ' Beratungsstellen' 2; }
use_idle() { sleep 10; }  # one tick of the close request watch, a third of the exit request watch's
count_of() { tr ' ' '\n' <<<"$2" | grep -A1 -x "$1" | tail -n1; }

# One kind of use, its share of a day's CYCLES: KIND CYCLES; the counts before and after go into counters.txt.
day_part() {
    local cycles=$((($2 + share - 1) / share)) before after counter growth i
    before=$(peer hub-counters)
    for ((i = 0; i < cycles; i++)); do "use_$1"; done
    after=$(peer hub-counters)
    echo "$1, $cycles cycles: before $before; after $after" | tee -a "$E2E_ARTIFACTS/counters.txt"
    for counter in handles windows; do
        growth=$(($(count_of $counter "$after") - $(count_of $counter "$before")))
        [ $((2 * growth)) -lt "$cycles" ] || [ "$growth" -le 0 ] || fail "$1: $counter grew by $growth in $cycles cycles"
    done
}

start_hub_ready
set_setting Erklärungen REG_SZ '\\NIRGENDS\Steuerfaelle'
for kind in menu search options sender; do "use_$kind"; done  # libraries loaded, classes registered
started=$SECONDS
day_part menu 500
day_part search 200
day_part options 50
day_part sender 50
day_part idle 30
pass "a day's share of 1/$share in $((SECONDS - started)) s: handles and windows flat (see counters.txt)"
stop_hub
