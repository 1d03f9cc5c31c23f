# Helpers for the end-to-end tests, sourced by tests/e2e/test_*.sh. A test calls e2e_setup (a throw-away
# Wine prefix with a demo installation), starts the hub, waits on conditions with a bound and checks
# settings, windows and the log of the stub components. Texts shown and compared here are UTF-8; the
# peer program and the stubs speak Windows-1252, converted at this boundary.
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
        screenshot failure || true
        echo "--- windows" >&2
        peer list-windows >&2 || true
        echo "--- message boxes" >&2
        peer list-boxes >&2 || true
        echo "--- stub log" >&2
        stub_log >&2 || true
        echo "--- hub output (display $DISPLAY, prefix $WINEPREFIX)" >&2
        tail -n 20 "$E2E_ARTIFACTS/hub.out" >&2 2>/dev/null || true
    fi
    wine_env_cleanup
    exit $status
}

# The peer program (tests/e2e/peer.cpp); its exit status is kept.
peer() {
    local output status=0
    output=$(wine "$E2E_BIN/peer.exe" "$@") || status=$?
    [ -z "$output" ] || printf '%s\n' "$output" | iconv -f CP1252 -t UTF-8
    return $status
}

# Starts KOLVANE.EXE from the component folder in the background; HUB_PID is its process.
start_hub() {
    [ -f "$ORV_DIR/KOLVANE.EXE" ] || fail "KOLVANE.EXE was not built"
    (cd "$ORV_DIR" && exec wine "$ORV_DIR_WIN\\KOLVANE.EXE" "$@") >>"$E2E_ARTIFACTS/hub.out" 2>&1 &
    HUB_PID=$!
}

# Waits until the process ends (bounded) and sets HUB_STATUS to its exit code.
wait_exit() {
    local pid=$1 seconds=$2
    wait_for "$seconds" "process $pid to end" process_gone "$pid"
    HUB_STATUS=0
    wait "$pid" || HUB_STATUS=$?
}

process_gone() { ! kill -0 "$1" 2>/dev/null; }

# Starts the hub and waits until its window is there and its start has ended (Quickwrite is its last write).
start_hub_running() {
    peer reg-delete HKLM "$ORV_KEY" Quickwrite >/dev/null 2>&1 || true
    start_hub "$@"
    peer wait-window "$HUB_CLASS" "$HUB_CAPTION" 60 >/dev/null || fail "no hub window"
    wait_for 60 "the hub to finish its start" setting Quickwrite
}

expect_hub_runs() { kill -0 "$HUB_PID" 2>/dev/null || fail "hub ended"; }

no_hub_window() { [ -z "$(peer find-window "$HUB_CLASS" - 2>/dev/null)" ]; }

# Waits until the hub has ended by itself (at most SECONDS, 30 when not given): exit code 0, no window left.
expect_hub_ended() {
    wait_exit "$HUB_PID" "${1:-30}"
    [ "$HUB_STATUS" -eq 0 ] || fail "hub ended with $HUB_STATUS"
    no_hub_window || fail "a hub window is left"
}

# Ends the hub through its command box, or kills the prefix's processes when it does not listen.
stop_hub() {
    peer send-command "$HUB_CAPTION" '$Ende$' >/dev/null 2>&1 || true
    local deadline=$((SECONDS + 15))
    while ! process_gone "$HUB_PID" && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
    if ! process_gone "$HUB_PID"; then
        echo "note: the hub did not end on \$Ende\$, killing the prefix" >&2
        wineserver -k || true
    fi
    wait "$HUB_PID" 2>/dev/null || true
}

# Writes a setting of the hub's key: NAME TYPE VALUE.
set_setting() { peer reg-set HKLM "$ORV_KEY" "$@" >/dev/null || fail "could not write setting $1"; }

# "TYPE<TAB>VALUE" of a setting of the hub's key (32-bit view); fails when it is absent.
setting() { peer reg-get HKLM "$ORV_KEY" "$1"; }

expect_setting() {
    local name=$1 expected=$2 actual
    actual=$(setting "$name") || fail "setting $name is missing"
    [ "$actual" = "$expected" ] || fail "setting $name is '$actual', expected '$expected'"
    pass "$name = $expected"
}

# Checks TYPE<TAB>VALUE against an extended regular expression.
expect_setting_like() {
    local name=$1 pattern=$2 actual
    actual=$(setting "$name") || fail "setting $name is missing"
    [[ $actual =~ ^$pattern$ ]] || fail "setting $name is '$actual', expected to match '$pattern'"
    pass "$name = ${actual#*$'\t'}"
}

expect_no_setting() { ! setting "$1" >/dev/null 2>&1 || fail "$2"; }

# Waits for a message box and checks it: TITLE <TAB> TEXT <TAB> BUTTONS <TAB> ICON, texts with \n.
expect_box() {
    local expected=$1 box
    box=$(peer wait-box 90) || fail "no message box, expected: $expected"
    [ "$box" = "$expected" ] || fail "message box is '$box', expected '$expected'"
    pass "message box: ${expected:0:70}..."
}

expect_no_box() { [ -z "$(peer list-boxes)" ] || fail "a message box is open: $(peer list-boxes)"; }

# Presses a button of the box with the title (the hub's own when not given).
answer() { peer answer-box "${2:-$BOX_TITLE}" "$1" >/dev/null || fail "could not answer $1"; }

# The stub log as UTF-8 lines "FILE<TAB>COMMAND LINE<TAB>SHOW STATE".
stub_log() {
    [ -f "$ORV_DIR/stub.log" ] || return 0
    tr -d '\r' <"$ORV_DIR/stub.log" | iconv -f CP1252 -t UTF-8
}

stub_count() { stub_log | wc -l; }

stub_count_at_least() { [ "$(stub_count)" -ge "$1" ]; }

# How many starts of the component the log holds with the exact switch text after the quoted path:
# FILE SWITCHES [SHOW STATE, 1 when not given].
stub_count_of() { stub_log | grep -cxF "$1"$'\t'"\"$ORV_DIR_WIN\\$1\"$2"$'\t'"${3:-1}" || true; }

stub_started() { [ "$(stub_count_of "$@")" -gt 0 ]; }

screenshot() {
    import -window root "$E2E_ARTIFACTS/$1.png"
}
