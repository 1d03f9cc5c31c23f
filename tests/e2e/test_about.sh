#!/usr/bin/env bash
# The about box: "Informationen ... " in the menu opens a small window with the program's name, the version of
# its VERSIONINFO and the maker's address; choosing it again while it is open brings that one to the front;
# Ok closes it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_lifecycle.sh"
source "$(dirname "$0")/lib_menu.sh"
e2e_setup
tray_peer_exe >/dev/null

ABOUT=' Informationen'
PRODUCT=301
VERSION=302
ADDRESS=303
OK=1

about_windows() { peer list-windows | awk -F'\t' -v c="$ABOUT" '$3 == c && $4 == "visible"' | wc -l; }

# 0: the information entry instead of the advice centres.
peer reg-set HKLM "$ORV_KEY" Dienststellen REG_DWORD 0 >/dev/null
start_hub_ready

open_menu 516
peer menu-choose "Informationen ... " 5 >/dev/null || fail "no entry \"Informationen ... \""
peer wait-window "#32770" "$ABOUT" 20 >/dev/null || fail "no about box"
[ "$(peer dialog-get "$ABOUT" $PRODUCT)" = "Brekkan Orvintal" ] || fail "name: $(peer dialog-get "$ABOUT" $PRODUCT)"
version=$(grep -o 'KOLVANE_VERSION_TEXT "[^"]*"' "$E2E_REPO/src/app/version.h" | cut -d'"' -f2)
[ "$(peer dialog-get "$ABOUT" $VERSION)" = "Version $version" ] || fail "version: $(peer dialog-get "$ABOUT" $VERSION)"
address=$(peer dialog-get "$ABOUT" $ADDRESS)
[[ $address == 'Brekkan Software GmbH\n'* ]] || fail "address: $address"
pass "about box: Brekkan Orvintal, Version $version, ${address//\\n/, }"
sleep 1  # let it paint for the picture
screenshot about

open_menu 516
peer menu-choose "Informationen ... " 5 >/dev/null || fail "no entry \"Informationen ... \" the second time"
wait_for 10 "the menu to close" menu_closed
[ "$(about_windows)" -eq 1 ] || fail "$(about_windows) about boxes open"
pass "chosen again, the open about box stays the only one"

peer dialog-click "$ABOUT" $OK || fail "no Ok button"
peer wait-no-window "#32770" "$ABOUT" 10 >/dev/null || fail "Ok does not close the about box"
pass "Ok closes the about box"

stop_hub
