# Helpers for the end-to-end tests of the hub menu and the windows it opens. Sourced after lib.sh and
# lib_lifecycle.sh.

# Starts the hub and waits until its start is complete (the ready icon): only then does a press open the menu.
start_hub_ready() {
    # A fresh contributions index: nothing holds up the completion of the start.
    touch "$ORV_DIR/DATEX.IHP"
    start_hub
    wait_for 60 "the hub to finish its start" setting Quickwrite
    expect_tray_icon ready 60
}

menu_closed() { ! peer menu-read 0 >/dev/null 2>&1; }

# True when at least this many menu levels are open (the menu and its open submenus).
open_menu_levels() { [ "$(peer list-windows | awk -F'\t' '$2 == "#32768" && $4 == "visible"' | wc -l)" -ge "$1" ]; }

# Presses the icon (513 left, 516 right) and waits for the menu.
open_menu() {
    tray_peer icon-event "$HUB_CAPTION" "$1" || fail "no icon window to press on"
    peer menu-read 15 >/dev/null || fail "the menu did not open"
}

# The open menu as depth|state|caption| lines.
menu_lines() { peer menu-read 5 | awk -F'\t' '{print $1"|"$3"|"$4"|"}'; }

# The state of the first entry with the caption: enabled, grayed, ...
menu_state() { peer menu-read 5 | awk -F'\t' -v caption="$1" '$4 == caption {print $3; exit}'; }
