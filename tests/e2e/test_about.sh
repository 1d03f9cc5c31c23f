#!/usr/bin/env bash
# The about box: "Informationen ... " in the menu opens a small window with the program's name, the version of
# its VERSIONINFO and the maker's address; choosing it again while it is open brings that one to the front;
# Ok closes it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_lifecycle.sh"
source "$(dirname "$0")/lib_menu.sh"
e2e_setup

ABOUT=' Informationen'
PRODUCT=301
VERSION=302
ADDRESS=303
OK=1

# 0: the information entry instead of the advice centres.
set_setting Dienststellen REG_DWORD 0
start_hub_ready

choose_entry "Informationen ... "
peer wait-window "#32770" "$ABOUT" 20 >/dev/null || fail "no about box"
version=$(grep -o 'KOLVANE_VERSION_TEXT "[^"]*"' "$E2E_REPO/src/app/version.h" | cut -d'"' -f2)
expect_field "$ABOUT" $PRODUCT "Brekkan Orvintal"
expect_field "$ABOUT" $VERSION "Version $version"
address=$(peer dialog-get "$ABOUT" $ADDRESS)
[[ $address == 'Brekkan Software GmbH\n'* ]] || fail "address: $address"
pass "about box: Brekkan Orvintal, Version $version, ${address//\\n/, }"
sleep 1  # let it paint for the picture
screenshot about

choose_entry "Informationen ... "
wait_for 10 "the menu to close" menu_closed
[ "$(visible_windows "$ABOUT")" -eq 1 ] || fail "$(visible_windows "$ABOUT") about boxes open"
pass "chosen again, the open about box stays the only one"

peer dialog-click "$ABOUT" $OK || fail "no Ok button"
peer wait-no-window "#32770" "$ABOUT" 10 >/dev/null || fail "Ok does not close the about box"
pass "Ok closes the about box"

stop_hub
