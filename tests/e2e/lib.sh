# Helpers for the end-to-end tests, sourced by tests/e2e/test_*.sh. A test calls e2e_setup (a throw-away
# Wine prefix with a demo installation), starts the hub, waits on conditions with a bound and checks
# settings, windows, the task bar and the log of the stub components. Texts shown and compared here are
# UTF-8; the peer program and the stubs speak Windows-1252, converted at this boundary.
set -euo pipefail

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_REPO=$(cd "$E2E_DIR/../.." && pwd)
: "${KOLVANE_BUILD:?KOLVANE_BUILD must name the Windows build tree}"
KOLVANE_BUILD=$(cd "$KOLVANE_BUILD" && pwd)
E2E_BIN="$KOLVANE_BUILD/tests/e2e"
E2E_NAME=$(basename "$0" .sh)
E2E_ARTIFACTS="$KOLVANE_BUILD/e2e-artifacts/${E2E_NAME#test_}"

ORV_KEY='Software\Brekkan\Orvintal'
ORV_DIR_WIN='C:\Orvintal'
HUB_CAPTION='Brekkan Orvintal  '
HUB_CLASS='ThunderRT6FormDC'
BOX_TITLE="$HUB_CAPTION "

source "$E2E_DIR/wine-env.sh"
source "$E2E_REPO/tools/demo/scramble.sh"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

pass() { echo "ok - $*"; }

# Runs the command until it succeeds, at most SECONDS long.
wait_for() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || fail "timed out after ${seconds}s waiting for: $what"
        sleep 0.2
    done
}

# A throw-away prefix with the demo installation; arguments go to make-demo.sh (--fresh, --no-database).
e2e_setup() {
    wine_env_prepare
    trap e2e_finish EXIT
    rm -rf "$E2E_ARTIFACTS"
    mkdir -p "$E2E_ARTIFACTS"
    ORV_DIR="$WINEPREFIX/drive_c/Orvintal"
    "$E2E_REPO/tools/demo/make-demo.sh" "$@" "$WINEPREFIX" "$KOLVANE_BUILD" >/dev/null
}

# On failure the screen, the windows, the message boxes and the stub log tell what the hub was doing.
e2e_finish() {
    local status=$?
    if [ $status -ne 0 ] && [ -n "${WINEPREFIX:-}" ]; then
        {
            screenshot failure
            echo "--- windows" && peer wait-window - - 0
            echo "--- message boxes" && peer wait-box 0
            echo "--- stub log" && stub_log
            echo "--- hub output (display $DISPLAY, prefix $WINEPREFIX)" && tail -n 20 "$E2E_ARTIFACTS/hub.out"
        } >&2 || true
    fi
    # Each start's own work and its time from the process's start to the ready icon, in ms, as the hub logged them.
    find "${WINEPREFIX:-/nonexistent}/drive_c/users" -name KOLVANE.LOG -exec cat {} + 2>/dev/null |
        sed -n 's/.*Start bereit: \([0-9]*\) ms eigene Arbeit, \([0-9]*\) ms .*/\1\t\2/p' >"$E2E_ARTIFACTS/startup-times.txt" || true
    wine_env_cleanup
    exit $status
}

# The peer program (tests/e2e/peer.cpp); its exit status is kept.
peer() {
    local output status=0
    output=$(wine "$E2E_BIN/peer.exe" "$@") || status=$?
    [ -z "$output" ] || printf '%s\n' "$output" | tr -d '\r' | iconv -f CP1252 -t UTF-8
    return $status
}

# Starts KOLVANE.EXE from the component folder in the background; HUB_PID is its process.
start_hub() {
    (cd "$ORV_DIR" && exec wine "$ORV_DIR_WIN\\KOLVANE.EXE" "$@") >>"$E2E_ARTIFACTS/hub.out" 2>&1 &
    HUB_PID=$!
}

# Waits until the process ends (bounded) and sets HUB_STATUS to its exit code.
wait_exit() {
    wait_for "$2" "process $1 to end" process_gone "$1"
    HUB_STATUS=0
    wait "$1" || HUB_STATUS=$?
}

process_gone() { ! kill -0 "$1" 2>/dev/null; }

# Starts the hub and waits until its window is there and its start has ended (Quickwrite is its last write).
start_hub_running() {
    reg delete /v Quickwrite || true
    start_hub "$@"
    peer wait-window "$HUB_CLASS" "$HUB_CAPTION" 60 >/dev/null || fail "no hub window"
    wait_for 60 "the hub to finish its start" setting Quickwrite
}

# Also waits for the completion of the start (the ready icon): only then does a press open the menu. A fresh
# contributions index holds nothing up.
start_hub_ready() {
    touch "$ORV_DIR/DATEX.IHP"
    start_hub_running
    expect_tray_icon ready 60
}

expect_hub_runs() { kill -0 "$HUB_PID" 2>/dev/null || fail "hub ended"; }

# Waits until the hub has ended by itself (at most SECONDS, 30 when not given): exit code 0, no window left.
expect_hub_ended() {
    wait_exit "$HUB_PID" "${1:-30}"
    [ "$HUB_STATUS" -eq 0 ] || fail "hub ended with $HUB_STATUS"
    ! peer wait-window "$HUB_CLASS" - 0 >/dev/null || fail "a hub window is left"
}

# ... and that it took its icon with it.
expect_hub_gone() {
    expect_hub_ended
    expect_tray_icon none
    pass "hub ended with exit code 0, no window or icon left"
}

# Right after an end: a new hub starts at once and becomes the one hub, with its icon (no window, icon or
# mutex of the old one in its way).
expect_new_hub() {
    start_hub_running
    ! peer wait-window - "Zweite Instanz$HUB_CAPTION" 0 >/dev/null || fail "the new hub took itself for a second one"
    wait_for 15 "the new hub's icon" tray_icon_shown
}

# Ends the hub through its command box.
stop_hub() {
    peer send-command "$HUB_CAPTION" '$Ende$' || true
    wait_exit "$HUB_PID" 30
}

# Wine's reg on the hub's key in the 32-bit view, as the suite's programs see it: reg add|delete ARGS.
reg() { wine reg "$1" "HKLM\\$ORV_KEY" "${@:2}" /f /reg:32 >/dev/null 2>&1; }

# Settings of the hub's key. set_setting NAME REG_SZ|REG_DWORD VALUE; setting NAME prints "TYPE<TAB>VALUE"
# and fails when the value is absent.
set_setting() { reg add /v "$1" /t "$2" /d "$3" || fail "could not write setting $1"; }
setting() { peer reg-get "$ORV_KEY" "$1"; }

expect_setting() {
    local actual
    actual=$(setting "$1") || fail "setting $1 is missing"
    [ "$actual" = "$2" ] || fail "setting $1 is '$actual', expected '$2'"
}

# Waits for a message box and checks it: TITLE <TAB> TEXT <TAB> BUTTONS, line feeds as \n.
expect_box() {
    local box
    box=$(peer wait-box 90) || fail "no message box, expected: $1"
    [ "$box" = "$1" ] || fail "message box is '$box', expected '$1'"
}

expect_no_box() { [ -z "$(peer wait-box 0)" ] || fail "a message box is open: $(peer wait-box 0)"; }

# Presses a button of the box with the title (the hub's own when not given).
answer() { peer answer-box "${2:-$BOX_TITLE}" "$1" || fail "could not answer $1"; }

# The text of a dialog's control: DIALOG CAPTION, CONTROL ID, EXPECTED TEXT.
expect_field() {
    local text
    text=$(peer dialog-get "$1" "$2")
    [ "$text" = "$3" ] || fail "control $2 of \"$1\" holds '$text', expected '$3'"
}

# How many visible windows have this caption.
visible_windows() { peer wait-window - "$1" 0 | grep -c $'\tvisible$' || true; }

# The stub log as UTF-8 lines "FILE<TAB>COMMAND LINE<TAB>SHOW STATE".
stub_log() {
    [ -f "$ORV_DIR/stub.log" ] || return 0
    tr -d '\r' <"$ORV_DIR/stub.log" | iconv -f CP1252 -t UTF-8
}

stub_count() { stub_log | wc -l; }

# True when the command prints exactly the text: TEXT COMMAND...
prints() { [ "$("${@:2}")" = "$1" ]; }

# How many starts of the component the log holds with the exact switch text after the quoted path:
# FILE SWITCHES [SHOW STATE, 1 when not given].
stub_count_of() { stub_log | grep -cxF "$1"$'\t'"\"$ORV_DIR_WIN\\$1\"$2"$'\t'"${3:-1}" || true; }

stub_started() { [ "$(stub_count_of "$@")" -gt 0 ]; }

screenshot() { import -window root "$E2E_ARTIFACTS/$1.png"; }

# ---- the task bar and the menu

# What the task bar shows at the place of the hub's icon (the only icon, at the right end of Wine's task
# bar on the 1280x800 screen): "ready" (the blue picture), "starting" (the grey one) or "none".
tray_icon_state() {
    local shot="$E2E_ARTIFACTS/.tray.png"
    import -window root -crop 60x20+1220+780 +repage "$shot" 2>/dev/null || return 1
    convert "$shot" -format %c histogram:info:- | awk '
        {
            n = $1 + 0; rgb = $2; gsub(/[()]/, "", rgb); split(rgb, c, ",")
            r = c[1] + 0; g = c[2] + 0; b = c[3] + 0
            if (b - r > 60) blue += n
            else if (r < 200 && (r - b < 16 && b - r < 16) && (r - g < 16 && g - r < 16)) grey += n
        }
        END { print (blue >= 20 ? "ready" : grey >= 20 ? "starting" : "none") }'
}

tray_icon_shown() { [ "$(tray_icon_state)" != none ]; }

expect_tray_icon() {
    wait_for "${2:-15}" "the task bar to show the icon as '$1'" prints "$1" tray_icon_state
    pass "task bar icon: $1"
}

# Sends the hub's icon a mouse event as the task bar does (513 left press, 514 left release, 516 right press).
press_icon() { peer icon-event "$1" || fail "no icon window to press on"; }

menu_closed() { ! peer menu-read 0 >/dev/null 2>&1; }

# Presses the icon (513 left, 516 right) and waits for the menu.
open_menu() {
    press_icon "$1"
    peer menu-read 15 >/dev/null || fail "the menu did not open"
}

# Opens the menu with a right press and chooses the first entry with exactly this caption, in a submenu too.
choose_entry() {
    open_menu 516
    peer menu-choose "$1" 5 || fail "cannot choose \"$1\""
}

# The hub's own windows from the menu: true once the window is there.
open_options() { choose_entry "Einstellungen ... " && wait_for 20 "the options window" prints 1 visible_windows ' Einstellungen'; }
open_search() { choose_entry "Mitglieder suchen" && peer wait-window "#32770" ' Personen suchen' 20 >/dev/null; }
