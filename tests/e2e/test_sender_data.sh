#!/usr/bin/env bash
# The sender data from the menu: the window shows what the settings key holds, a designation is asked in the
# input box, and the confirmed data reads back from the member database through the profile functions and
# from the 32-bit registry view; the older plain keys are gone.
source "$(dirname "$0")/lib.sh"
e2e_setup

WINDOW=' Beratungsstellen'
NAME=610
STREET=611
LOCATION=612
ID=615
TAX=616
BRANCH_LOCATION=619

printf 'ALizenz1=Alt\r\n' >"$E2E_ARTIFACTS/plain.line"
LC_ALL=C sed -i "/^\[000\]\r\?$/r $E2E_ARTIFACTS/plain.line" "$ORV_DIR/DATEX.DAT"
start_hub_ready
choose_entry "Beratungsstellen "
peer wait-window "#32770" "$WINDOW" 20 >/dev/null || fail "no sender data window"
expect_field "$WINDOW" $NAME 'Lohnsteuerhilfe Musterstadt e.V.'
pass "the menu opens the window with the registry's sender data"

wait_for 10 "a click on the designation button" peer dialog-click "$WINDOW" 601
peer wait-window "#32770" ' Beratungsstelle' 20 >/dev/null || fail "no input box for the designation"
expect_field ' Beratungsstelle' 702 'Musterstadt'
peer dialog-set ' Beratungsstelle' 702 'Musterstadt-Süd'
peer dialog-click ' Beratungsstelle' 1 || fail "cannot confirm the input box"
peer wait-no-window "#32770" ' Beratungsstelle' 10 || fail "the input box stays"

for field in "$STREET Hauptstraße 1" "$LOCATION 12345 Musterstadt" "$ID 10/10" "$TAX 12/345/67890" \
    "$BRANCH_LOCATION 54321 Beispielhausen"; do
    peer dialog-set "$WINDOW" "${field%% *}" "${field#* }" || fail "cannot type into ${field%% *}"
done
screenshot sender-data
peer dialog-click "$WINDOW" 1 || fail "cannot click Ok"
peer wait-no-window "#32770" "$WINDOW" 20 || fail "the window stays after Ok"
expect_no_box

database() { peer database-get "$ORV_DIR_WIN\\DATEX.DAT" 000 "$1"; }
for entry in "ALizenz2=Hauptstraße 1" "ALizenz6=10/10" "BLizenz3=54321 Beispielhausen" "BS1=Musterstadt-Süd" \
    "BS2=Beispielhausen"; do
    [ "$(database "${entry%%=*}")" = "${entry#*=}" ] || fail "${entry%%=*} in DATEX.DAT: '$(database "${entry%%=*}")'"
done
! LC_ALL=C grep -q '^ALizenz1=' "$ORV_DIR/DATEX.DAT" || fail "the plain key is still there"
expect_setting ALizenz2 $'REG_SZ\tHauptstraße 1'
expect_setting Steuernummer $'REG_SZ\t12/345/67890'
expect_setting AddContract $'REG_DWORD\t1'
expect_hub_runs
pass "confirmed data in DATEX.DAT and in the settings key, the plain key gone, the hub runs on"
stop_hub
