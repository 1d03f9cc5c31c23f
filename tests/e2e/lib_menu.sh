# Helpers for the end-to-end tests of the hub menu and the windows it opens. Sourced after lib.sh and
# lib_lifecycle.sh.

# Starts the hub and waits until its start is complete (the ready icon): only then does a press open the menu.
start_hub_ready() {
    # A fresh contributions index: nothing holds up the completion of the start.
    touch "$ORV_DIR/DATEX.IHP"
    start_hub_running
    expect_tray_icon ready 60
}

menu_closed() { ! peer menu-read 0 >/dev/null 2>&1; }

# True when at least this many menu levels are open (the menu and its open submenus).
open_menu_levels() { [ "$(peer list-windows | awk -F'\t' '$2 == "#32768" && $4 == "visible"' | wc -l)" -ge "$1" ]; }

# Presses the icon (513 left, 516 right) and waits for the menu.
open_menu() {
    press_icon "$1"
    peer menu-read 15 >/dev/null || fail "the menu did not open"
}

# How many visible windows have this caption.
visible_windows() { peer list-windows | awk -F'\t' -v c="$1" '$3 == c && $4 == "visible"' | wc -l; }

# The text of a dialog's control: DIALOG CAPTION, CONTROL ID, EXPECTED TEXT.
expect_field() {
    local text
    text=$(peer dialog-get "$1" "$2")
    [ "$text" = "$3" ] || fail "control $2 of \"$1\" holds '$text', expected '$3'"
}

# The open menu as depth|state|caption| lines.
menu_lines() { peer menu-read 5 | awk -F'\t' '{print $1"|"$3"|"$4"|"}'; }

# The state of the first entry with the caption: enabled, grayed, ...
menu_state() { peer menu-read 5 | awk -F'\t' -v caption="$1" '$4 == caption {print $3; exit}'; }

# Opens the menu with a right press and chooses the first entry with exactly this caption, in a submenu too.
choose_entry() {
    open_menu 516
    peer menu-choose "$1" 5 >/dev/null || fail "cannot choose \"$1\""
}

# The log line of a stub started with this command line in a normal window; the program's name is the
# file name of the quoted path.
start_line() {
    local file=${1#\"}
    file=${file%%\"*}
    printf '%s\t%s\t1\n' "${file##*\\}" "$1"
}

# Waits until the log holds one line past its first FROM lines for each command line given, then checks that
# exactly these programs were started so, in any order (programs started together log as they come up).
expect_starts() {
    local from=$1 expected actual line
    shift
    wait_for 30 "the start of: $*" stub_count_at_least $((from + $#))
    expected=$(for line in "$@"; do start_line "$line"; done | sort)
    actual=$(stub_log | tail -n +$((from + 1)) | sort)
    [ "$actual" = "$expected" ] || fail $'started:\n'"$actual"$'\nexpected:\n'"$expected"
}

setting_is() { [ "$(setting "$1")" = "$2" ]; }

# For settings the hub writes while it handles a choice.
expect_setting_soon() {
    wait_for 20 "setting $1 to be '$2'" setting_is "$1" "$2"
    pass "$1 = ${2#*$'\t'}"
}

# True when the condition stays false for the seconds: for what must not happen.
stays_false() {
    local deadline=$((SECONDS + $1))
    shift
    while [ $SECONDS -lt $deadline ]; do
        ! "$@" >/dev/null 2>&1 || return 1
        sleep 0.2
    done
}

# Keeps the stub log open without sharing until stub_log_release (at most a minute): a stub started meanwhile
# waits to log and so keeps running; after about five seconds it gives up its line, so release it soon.
stub_log_hold() {
    touch "$ORV_DIR/hold.marker"
    wine "$E2E_BIN/peer.exe" hold-file 'C:\Orvintal\stub.log' 'C:\Orvintal\hold.marker' 60 >"$E2E_ARTIFACTS/hold.out" &
    wait_for 10 "the stub log to be held" grep -q held "$E2E_ARTIFACTS/hold.out"
}

stub_log_release() { rm "$ORV_DIR/hold.marker"; }

# True when at least this many processes of the image run (one when not given).
process_runs() { [ "$(peer process-count "$1" | tr -d '\r')" -ge "${2:-1}" ]; }
