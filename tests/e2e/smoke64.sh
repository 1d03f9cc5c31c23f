#!/usr/bin/env bash
# The 64-bit build beside the 32-bit release: it starts to the ready icon, opens its menu, finds members
# through the search window and ends on "$Ende$", with its settings in the peers' 32-bit view.
source "$(dirname "$0")/lib.sh"
e2e_setup

SEARCH=' Personen suchen'
TERM_FIELD=453
BSUCHEN=457
VNAMEN=460

start_hub_ready
expect_setting Quickwrite $'REG_DWORD\t1'
choose_entry "Mitglieder suchen"
peer wait-window "#32770" "$SEARCH" 20 >/dev/null || fail "no search window"
peer dialog-set "$SEARCH" $TERM_FIELD Mueller || fail "cannot type the term"
peer dialog-click "$SEARCH" $BSUCHEN || fail "cannot click Suchen"
wait_for 30 "the search to end" grep -q 'Mueller' "$ORV_DIR/REFIND.DAT"
hits=$(peer list-read "$SEARCH" $VNAMEN | cut -f2 | sort -u)
[ "$hits" = 'Müller' ] || fail "the hits for Mueller are '$hits'"
pass "menu and search: Mueller finds Müller"
stop_hub
[ "$HUB_STATUS" -eq 0 ] || fail "hub ended with $HUB_STATUS"
expect_tray_icon none
pass "ended on \$Ende\$ with exit code 0, its icon gone"
