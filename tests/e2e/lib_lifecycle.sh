# Helpers for the end-to-end tests of the hub's life: its icon in the task bar, the shell's messages to it,
# the splash, the workstation list. Sourced after lib.sh.

# The shell's side: tests/e2e/tray_peer.cpp, built with the other end-to-end programs.
tray_peer_exe() { echo "$E2E_BIN/tray_peer.exe"; }

tray_peer() {
    local exe output status=0
    exe=$(tray_peer_exe)
    output=$(wine "$exe" "$@") || status=$?
    [ -z "$output" ] || printf '%s\n' "$output" | tr -d '\r' | iconv -f CP1252 -t UTF-8
    return $status
}

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

# Sends the hub's icon a mouse event as the task bar does (513 left press, 514 left release, 516 right press).
press_icon() { tray_peer icon-event "$HUB_CAPTION" "$1" || fail "no icon window to press on"; }

tray_icon_is() { [ "$(tray_icon_state)" = "$1" ]; }

tray_icon_shown() { [ "$(tray_icon_state)" != none ]; }

expect_tray_icon() {
    local state=$1 seconds=${2:-15}
    wait_for "$seconds" "the task bar to show the icon as '$state'" tray_icon_is "$state"
    pass "task bar icon: $state"
}

# Waits until the hub has ended and checks that it took its window and icon with it.
expect_hub_gone() {
    expect_hub_ended
    pass "hub ended with exit code 0, no hub window left"
    expect_tray_icon none
}

# Right after an end: a new hub starts at once and becomes the one hub, with its icon (no window, icon or
# mutex of the old one in its way).
expect_new_hub() {
    start_hub_running
    [ -z "$(peer find-window - "Zweite Instanz$HUB_CAPTION" 2>/dev/null)" ] || fail "the new hub took itself for a second one"
    wait_for 15 "the new hub's icon" tray_icon_shown
    pass "a new hub started at once and shows its icon"
}

source "$E2E_REPO/tools/demo/scramble.sh"
