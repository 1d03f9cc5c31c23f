#!/usr/bin/env bash
# Every kind of launch from the hub menu, one hub start: each row chooses an entry with the keyboard and checks
# the exact command lines and the normal window that the started stubs logged, and what the launch leaves in
# the settings and the component folder.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/lib_lifecycle.sh"
source "$(dirname "$0")/lib_menu.sh"
e2e_setup
tray_peer_exe >/dev/null

# The PDF editor lies outside the component folder: every stub logs into the one file.
export KOLVANE_STUB_LOG='C:\Orvintal\stub.log'

# Preparations (before the choice) and checks (after it, before the starts are compared) of the table.
stale_tip() { peer reg-set HKLM "$ORV_KEY" Infotip REG_SZ alt >/dev/null; }
ready_tip() {
    expect_setting_soon Infotip $'REG_SZ\tKlicken Sie das Symbol in der Statusbar um Zugriff auf die Komponenten von Orvintal zu erhalten.'
}
no_pelmondo() { peer reg-delete HKLM "$ORV_KEY" Pelmondo >/dev/null; }
pelmondo_stored() { expect_setting_soon Pelmondo $'REG_DWORD\t1'; }
pelmondo_payments() { peer reg-set HKLM "$ORV_KEY" Pelmondo REG_DWORD 0 >/dev/null; }
receipt_printer() { peer reg-set HKLM "$ORV_KEY" ReceiptColor REG_DWORD 2 >/dev/null; }
no_voucher() {
    peer reg-set HKLM "$ORV_KEY" ReceiptColor REG_DWORD 1 >/dev/null
    rm "$ORV_DIR/VOUCHER.EXE"
}
# A value left by an earlier writer must not end the wait before the new one has loaded.
quickload_left() {
    expect_setting Quickwrite $'REG_DWORD\t1'
    peer reg-set HKLM "$ORV_KEY" Quickload REG_DWORD 1 >/dev/null
}
writer_handshake() {
    wait_for 20 "QUILL.EXE to start" stub_started QUILL.EXE ''
    setting Quickload >/dev/null 2>&1 && fail "Quickload was not deleted before the writer started"
    expect_setting Quickwrite $'REG_DWORD\t0'
    # The writer reports that it has loaded: the hub stops waiting long before its 30 passes.
    peer reg-set HKLM "$ORV_KEY" Quickload REG_DWORD 1 >/dev/null
    wait_for 10 "Quickwrite to be restored" setting_is Quickwrite $'REG_DWORD\t1'
    pass "writer hand-shake: Quickwrite 0 until Quickload, then 1 again"
}
outgoing_book() { expect_setting_soon Postbuch $'REG_DWORD\t1'; }
incoming_book() { expect_setting_soon Postbuch $'REG_DWORD\t2'; }
old_day_calculator() { mv "$ORV_DIR/DAYSPAN.EXE" "$ORV_DIR/ARITHPAD.EXE"; }
day_calculator_renamed() {
    wait_for 20 "ARITHPAD.EXE to be taken over" test ! -e "$ORV_DIR/ARITHPAD.EXE"
    [ -f "$ORV_DIR/DAYSPAN.EXE" ] || fail "ARITHPAD.EXE is gone, but no DAYSPAN.EXE took its place"
    pass "ARITHPAD.EXE became DAYSPAN.EXE"
}
no_one_calendar() { peer reg-delete HKLM "$ORV_KEY" OneCalendar >/dev/null || true; }
own_calendar() { expect_setting_soon OneCalendar $'REG_DWORD\t0'; }
# The stub log held (stub_log_hold): the clean run cannot log and end, and the hub must not start the restore
# meanwhile.
restore_after_clean() {
    wait_for 20 "NETSHARE.EXE to run" process_runs NETSHARE.EXE
    stays_false 3 process_runs NETSHARE.EXE 2 || fail "the restore run started while the clean run was still running"
    stub_log_release
    wait_for 20 "both runs to log" stub_count_at_least $((logged + 2))
    [ "$(stub_log | tail -n +$((logged + 1)) | cut -f2)" = \
        $'"C:\\Orvintal\\NETSHARE.EXE"/clean\n"C:\\Orvintal\\NETSHARE.EXE"/restore' ] ||
        fail "the restore run did not follow the clean run"
    pass "NETSHARE.EXE /restore only after the /clean run had ended"
}
# The deadline component set up before: its start file, with no check when the member administration opens,
# and its last check (the date after a prefix of twelve characters).
deadline_watch_set_up() {
    printf '[ROOT]\r\nStart=1\r\nTimer=2\r\nCat=3\r\n' >"$ORV_DIR/FRISTEN.DAT"
    peer reg-set HKLM "$ORV_KEY" Fristwächter REG_SZ "Prüfung am: $(date +%d.%m.%Y)" >/dev/null
}
# The temporary database is being made: the gate sends its hint once a pass until the file is there.
no_tmp_database() { rm "$ORV_DIR/DATEX.IHP"; }
hint_while_waiting() {
    wait_for 20 "the hint" stub_started HINTFEED.EXE ' /me'
    expect_setting Infotip $'REG_SZ\tBitte warten bis Orvintal die temporäre Datenbank für Mitglieder und Beiträge erstellt hat ...'
    touch "$ORV_DIR/DATEX.IHP"
    wait_for 20 "the gate to open" stub_started OUTTRAY.EXE ''
    local hints
    hints=$(stub_log | tail -n +$((logged + 1)) | grep -cxF "$(start_line '"C:\Orvintal\HINTFEED.EXE" /me')")
    logged=$((logged + hints))
    pass "hint message: Infotip and HINTFEED.EXE /me, $hints pass(es) until the database was there"
}
pdf_editor() {
    mkdir -p "$WINEPREFIX/drive_c/Program Files/Pdf Editor"
    cp "$E2E_BIN/stub_component.exe" "$WINEPREFIX/drive_c/Program Files/Pdf Editor/PDFEDIT.EXE"
    peer reg-set HKLM "$ORV_KEY" PdfEditor REG_SZ 'C:\Program Files\Pdf Editor\PDFEDIT.EXE' >/dev/null
}

start_hub_ready
logged=$(stub_count)

# preparation|menu entry|check|command lines of the programs started (each in a normal window)
while IFS='|' read -r -u 3 prepare caption check starts; do
    IFS='|' read -ra starts <<<"$starts"
    [ "$prepare" = - ] || $prepare
    choose_entry "$caption"
    [ "$check" = - ] || $check
    expect_starts "$logged" "${starts[@]}"
    logged=$((logged + ${#starts[@]}))
    pass "\"$caption\" [$prepare]: ${starts[*]}"
done 3<<'LAUNCHES'
-|Überweisungen |-|"C:\Orvintal\FORMDESK.EXE"
-|Mitgliederliste drucken   |-|"C:\Orvintal\LINKPORT.EXE" /PrintDatabase
-|Route berechnen ... |-|"C:\Orvintal\WAYCHECK.EXE"/2
stale_tip|Berichte der Mitglieder  |ready_tip|"C:\Orvintal\EXITREG.EXE" /a
no_pelmondo|Beitragsverwaltung|pelmondo_stored|"C:\Orvintal\FEEDESK.EXE"
pelmondo_payments|Beitragsverwaltung|-|"C:\Orvintal\FEERUN.EXE"
-|Quittungsbelege|-|"C:\Orvintal\VOUCHER.EXE"
receipt_printer|Quittungsbelege|-|"C:\Orvintal\SLIPPRN.EXE"
no_voucher|Quittungsbelege|-|"C:\Orvintal\SLIPPRN.EXE"
quickload_left|Kurzmitteilungen|writer_handshake|"C:\Orvintal\QUILL.EXE"
-|Fristenkontrolle   |outgoing_book|"C:\Orvintal\MAILLOG.EXE"
-|Posteingangsbuch |incoming_book|"C:\Orvintal\MAILLOG.EXE"
old_day_calculator|Tage berechnen ... |day_calculator_renamed|"C:\Orvintal\DAYSPAN.EXE"/2
no_one_calendar|Terminplaner |own_calendar|"C:\Orvintal\DATEBOOK.EXE"
deadline_watch_set_up|Mitglieder verwalten  |-|"C:\Orvintal\ACCOUNTS.EXE"
stub_log_hold|Dropbox-Synchronisierung ... |restore_after_clean|"C:\Orvintal\NETSHARE.EXE"/clean|"C:\Orvintal\NETSHARE.EXE"/restore
no_tmp_database|Form-Dokumente  |hint_while_waiting|"C:\Orvintal\OUTTRAY.EXE"
pdf_editor|Vollmacht für Steuerangelegenheiten|-|"C:\Program Files\Pdf Editor\PDFEDIT.EXE" "C:\Orvintal\Vorlagen\Vollmacht.pdf"
LAUNCHES

[ -z "$(peer list-boxes)" ] || fail "a message box is open"
stop_hub
