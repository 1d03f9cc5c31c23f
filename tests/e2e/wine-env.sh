# Sourced by the scripts that run Windows programs under Wine. Every run gets a throw-away prefix, copied
# from a template that is initialised once per build tree (hard links for the large read-only part, real
# copies of the registry files that Wine rewrites), a private headless X server and the German locale, so
# that the ANSI code page is 1252 and dates are written the German way.

WINE_ENV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/wine

wine_env_common() {
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEDEBUG=${WINEDEBUG:--all}
    export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
    export WINEARCH=win64
}

# Initialises the template prefix once per Wine installation (a prefix made before Wine's 32-bit half came
# lacks its 32-bit system libraries); concurrent callers wait on a lock. Its windows are not managed: without a
# window manager, Wine would wait for each hidden top-level window to be withdrawn until a time-out.
wine_env_template() {
    local template=$WINE_ENV_ROOT/template installation
    installation="$(wine --version 2>/dev/null)$([ -x /usr/lib/wine/wine ] && echo ' with its 32-bit half')"
    mkdir -p "$WINE_ENV_ROOT"
    (
        flock 9
        if [ "$(cat "$template/.ready" 2>/dev/null)" != "$installation" ] ||
            ! grep -q '^"Managed"="N"' "$template/user.reg"; then
            rm -rf "$template"
            WINEPREFIX="$template" wineboot -i >/dev/null 2>&1 || true
            WINEPREFIX="$template" wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
            WINEPREFIX="$template" wineserver -w
            printf '%s\n' "$installation" >"$template/.ready"
        fi
    ) 9>"$WINE_ENV_ROOT/template.lock"
    echo "$template"
}

# Sets WINEPREFIX to a fresh copy of the template and DISPLAY to a private Xvfb (1280x800 unless WINE_ENV_SCREEN
# names another size); both are removed on exit
# (the prefix stays for a look when KOLVANE_KEEP_PREFIX is set).
wine_env_prepare() {
    wine_env_common
    local template
    template=$(wine_env_template)
    WINEPREFIX=$(mktemp -d "$WINE_ENV_ROOT/prefix.XXXXXX")
    export WINEPREFIX
    cp -al "$template/." "$WINEPREFIX/"
    (cd "$template" && cp --remove-destination system.reg user.reg userdef.reg "$WINEPREFIX/")
    # Xvfb picks a free display itself and names it once it accepts connections, so that tests running
    # side by side never share or race for one.
    local number="$WINEPREFIX/.xvfb-display"
    Xvfb -displayfd 9 -screen 0 "${WINE_ENV_SCREEN:-1280x800}x24" -nolisten tcp 9>"$number" >/dev/null 2>&1 &
    WINE_ENV_XVFB=$!
    for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.1; done
    [ -s "$number" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(tr -d '[:space:]' <"$number")"
    trap wine_env_cleanup EXIT
}

wine_env_cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "${WINE_ENV_XVFB:-}" ] && kill "$WINE_ENV_XVFB" >/dev/null 2>&1 || true
    if [ -n "${KOLVANE_KEEP_PREFIX:-}" ]; then
        echo "prefix kept: $WINEPREFIX" >&2
    elif [ -n "${WINEPREFIX:-}" ]; then
        rm -rf "$WINEPREFIX"
    fi
}
