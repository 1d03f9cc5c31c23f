#!/usr/bin/env bash
# Installs what is missing, builds the hub and starts it under Wine with the demo installation, in a
# prefix of its own under build/demo. Without a display it runs on a private Xvfb and takes a screenshot.
#
#   ./run.sh        build, lay out a fresh demo installation and start the hub
#   ./run.sh stop   end the hub ("$Ende$" into its command box) and everything the demo started
set -euo pipefail
cd "$(dirname "$0")"
repo=$PWD
demo=$repo/build/demo
source scripts/prerequisites.sh
source tests/e2e/wine-env.sh

stop_demo() {
    [ -d "$demo/prefix" ] || return 0
    export WINEPREFIX=$demo/prefix
    wine_env_common
    [ -f "$demo/display" ] && export DISPLAY=$(cat "$demo/display")
    if [ -x "$repo/build/win32/tests/e2e/peer.exe" ]; then
        timeout 20 wine "$repo/build/win32/tests/e2e/peer.exe" send-command "Brekkan Orvintal  " '$Ende$' >/dev/null 2>&1 || true
    fi
    timeout 20 wineserver -w 2>/dev/null || wineserver -k 2>/dev/null || true
    if [ -f "$demo/xvfb.pid" ]; then
        kill "$(cat "$demo/xvfb.pid")" 2>/dev/null || true
        rm -f "$demo/xvfb.pid"
    fi
}

if [ "${1:-}" = "stop" ]; then
    stop_demo
    echo "Der Hub und die Demo-Installation sind beendet."
    exit 0
fi

install_prerequisites
mkdir -p build
build_preset native
build_preset win32

# A demo still running from an earlier call ends first; in a subshell, so that its display and prefix
# do not become this start's.
(stop_demo)
rm -rf "$demo"
mkdir -p "$demo"
wine_env_common
template=$(wine_env_template)
cp -a "$template" "$demo/prefix"
export WINEPREFIX=$demo/prefix

if [ -z "${DISPLAY:-}" ]; then
    display=$((100 + RANDOM % 800))
    while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
    nohup Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! >"$demo/xvfb.pid"
    export DISPLAY=":$display"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
fi
echo "$DISPLAY" >"$demo/display"

tools/demo/make-demo.sh "$WINEPREFIX" build/win32 >/dev/null
# In a real installation the picture-help component builds the contributions index at the first start and
# the hub waits for it; the demo's stand-in builds none, so the demo brings a fresh one along.
touch "$WINEPREFIX/drive_c/Orvintal/DATEX.IHP"
(cd "$WINEPREFIX/drive_c/Orvintal" && nohup wine 'C:\Orvintal\KOLVANE.EXE' >"$demo/hub.log" 2>&1 &)
wine build/win32/tests/e2e/peer.exe wait-window ThunderRT6FormDC "Brekkan Orvintal  " 60 >/dev/null
# The picture shows the menu as a user sees it: a right press on the icon opens it once the start is
# complete (before that the hub ignores it); Esc closes it again.
for _ in $(seq 30); do
    wine build/win32/tests/e2e/peer.exe icon-event 516 >/dev/null 2>&1 || true
    wine build/win32/tests/e2e/peer.exe menu-read 1 >/dev/null 2>&1 && break
done
sleep 1  # let the menu paint before the picture is taken
import -window root "$demo/screenshot.png"
wine build/win32/tests/e2e/peer.exe menu-close 5 >/dev/null 2>&1 || true

echo "Der Hub läuft unter Wine (WINEPREFIX=$WINEPREFIX, DISPLAY=$DISPLAY)."
echo "Bildschirmfoto: $demo/screenshot.png"
echo "Beenden mit: ./run.sh stop"
