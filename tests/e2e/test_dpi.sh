#!/usr/bin/env bash
# The hub at 100, 150 and 200 % (Wine's LogPixels 96, 144 and 192), each on a screen whose size at that scale
# is the 1280x800 of the other scenarios. Screenshots for a look (whole and sharp, umlauts right, the system's buttons
# in German) of the restore prompt at the start (Ja, Nein, Abbrechen), the password prompt in front of the
# menu, the menu, the search window with its hits, every options page, the sender window and, in a start
# against an unreachable network database, the database wait window; each window must lie whole on the screen.
export WINE_ENV_SCREEN=2560x1600
source "$(dirname "$0")/lib.sh"
e2e_setup

PROMPT=' Authentifizierung'
SEARCH=' Personen suchen'
OPTIONS=' Einstellungen'
WAIT_CAPTION=' Brekkan Orvintal®'

# The password "Geheim" in the member database, which each start restores from its backup.
printf "$(scramble Key)=$(scramble Geheim)\r\n" >"$E2E_ARTIFACTS/key.line"
LC_ALL=C sed -i "/^\[000\]\r\?$/r $E2E_ARTIFACTS/key.line" "$ORV_DIR/DATEX.DAT"
mv "$ORV_DIR/DATEX.DAT" "$ORV_DIR/DATEX.BAK"

# The shots at 100 % keep their plain names: the user guide shows them.
shoot() {
    local name=$dpi-$1
    [ "$dpi" -ne 96 ] || name=$1
    import -window root -crop "${width}x$height+0+0" +repage "$E2E_ARTIFACTS/$name.png"
}

# Once X shows the window and it lies whole on the screen: CAPTION NAME.
shoot_window() {
    wait_for 20 "the window \"$1\" on the screen" xdotool search --onlyvisible --name "^$1\$"
    xwininfo -id "$(xdotool search --onlyvisible --name "^$1\$" | head -n1)" | awk -F: -v w="$width" -v h="$height" '
        /Absolute upper-left X/ { x = $2 } /Absolute upper-left Y/ { y = $2 } /Width/ { r = x + $2 } /Height/ { b = y + $2 }
        END { exit !(x >= 0 && y >= 0 && r <= w && b <= h) }' || fail "\"$1\" at $dpi dpi is not whole on the screen"
    sleep 0.5
    shoot "$2"
}

give_password() {
    peer wait-window "#32770" "$PROMPT" 20 >/dev/null || fail "no password prompt"
    peer dialog-set "$PROMPT" 205 Geheim && peer dialog-click "$PROMPT" 1 || fail "cannot give the password"
}

# Clicks Abbrechen: CAPTION CONTROL-ID.
cancel() {
    peer dialog-click "$1" "$2" && peer wait-no-window "#32770" "$1" 10 >/dev/null || fail "Abbrechen leaves \"$1\""
}

for dpi in 96 144 192; do
    width=$((1280 * dpi / 96)) height=$((800 * dpi / 96))
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1 &&
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d "${width}x$height" /f >/dev/null 2>&1 ||
        fail "cannot set the scale"
    wineserver -k >/dev/null 2>&1 || true  # a new Wine session takes both at its start
    wineserver -w
    rm -f "$ORV_DIR/DATEX.DAT" "$ORV_DIR/REFIND.DAT"
    touch "$ORV_DIR/DATEX.IHP"  # a fresh contributions index holds nothing up
    start_hub
    peer wait-box 60 >/dev/null && sleep 1 || fail "no restore prompt"
    shoot restore-prompt
    answer Yes
    peer wait-box 20 >/dev/null && answer OK

    wait_for 60 "the password prompt in front of the menu" eval 'press_icon 516; peer wait-window "#32770" "$PROMPT" 1'
    shoot_window "$PROMPT" password-prompt
    give_password
    peer menu-read 15 >/dev/null && sleep 1 || fail "the menu did not open after the password"
    shoot menu
    peer menu-close 10 || fail "Esc does not close the menu"

    choose_entry "Mitglieder suchen"
    peer wait-window "#32770" "$SEARCH" 20 >/dev/null && peer dialog-set "$SEARCH" 453 Mueller &&
        peer dialog-click "$SEARCH" 457 || fail "cannot search"
    wait_for 30 "the search to end" grep -q 'Mueller' "$ORV_DIR/REFIND.DAT"
    shoot_window "$SEARCH" search
    cancel "$SEARCH" 458

    choose_entry "Einstellungen ... "
    give_password
    shoot_window "$OPTIONS" options-page-1
    for page in 2 3 4 5 6 7 8 9; do
        xdotool search --onlyvisible --name "^$OPTIONS\$" windowfocus --sync key --clearmodifiers ctrl+Tab
        sleep 0.5
        shoot "options-page-$page"
    done
    cancel "$OPTIONS" 2

    choose_entry "Beratungsstellen "
    shoot_window ' Beratungsstellen' sender
    cancel ' Beratungsstellen' 2
    stop_hub

    set_setting Database REG_SZ '\\nas\lohn\'
    start_hub
    shoot_window "$WAIT_CAPTION" database-wait
    set_setting Database REG_SZ 'C:\Orvintal\'
    peer dialog-click "$WAIT_CAPTION" 407 || fail "no Abbrechen in the database wait window"
    expect_hub_ended
    pass "$dpi dpi: every window whole on the screen, screenshots in $E2E_ARTIFACTS"
done
