#!/usr/bin/env bash
# The test tools on their own, without the hub: the demo installation, the stub components' log, the
# peer's registry view, message boxes and command channel. The other tests rely on all of them.
source "$(dirname "$0")/lib.sh"
e2e_setup

# Demo installation: settings in the 32-bit view, where the 64-bit registry tool sees them under Wow6432Node.
expect_setting FirstRun $'REG_DWORD\t1'
expect_setting Database $'REG_SZ\tC:\\Orvintal\\'
expect_setting ALizenz1 $'REG_SZ\tLohnsteuerhilfe Musterstadt e.V.'
wine reg query 'HKLM\Software\Wow6432Node\Brekkan\Orvintal' /v Startbild | grep -q 'REG_DWORD' ||
    fail "the demo settings are not in the 32-bit view"
peer reg-get HKLM 'Software\Classes\CLSID\{C2FC361D-2281-11D2-8E21-10B404C10000}' '' >/dev/null ||
    fail "the menu library is not registered"
for file in Data/Ort.dat Data/Plz.dat Formulare/DISPATCH.DAT Resource/Db01000.dat Vorlagen/user.dat \
    Ssubtmr.dll Ssubtmr6.dll CNewMenu.dll MsStdFmt.dll HINTFEED.EXE HUBAGENT.EXE UPDBUNDL.DLL; do
    [ -f "$ORV_DIR/$file" ] || fail "demo file $file is missing"
done
pass "demo files in place"
# The header key "A1" scrambled with the key 3964: 'A'^0x93 '1'^0x99 = D2 A8; a configured database has a value.
LC_ALL=C grep -q $'^\xd2\xa8=.' "$ORV_DIR/DATEX.DAT" || fail "DATEX.DAT lacks the scrambled A1 entry"
pass "DATEX.DAT header scrambled"

# Registry round trip with Windows-1252 names and values.
peer reg-set HKLM "$ORV_KEY" 'Fristwächter' REG_SZ '01.02.2024 10:11:12 Größe' || fail "reg-set failed"
expect_setting 'Fristwächter' $'REG_SZ\t01.02.2024 10:11:12 Größe'
peer reg-set HKLM "$ORV_KEY" Probe REG_BINARY 01020304 || fail "reg-set binary failed"
expect_setting Probe $'REG_BINARY\t01020304'
peer reg-delete HKLM "$ORV_KEY" Probe || fail "reg-delete failed"
! setting Probe >/dev/null 2>&1 || fail "Probe still present after reg-delete"
pass "reg-delete"

# Stubs: file name, exact command line and show state; concurrent starts each leave one whole line.
(cd "$ORV_DIR" && wine 'C:\Orvintal\HINTFEED.EXE' ' /x')
stub_log | grep -qxF $'HINTFEED.EXE\t"C:\\Orvintal\\HINTFEED.EXE" " /x"\t-1' || fail "stub line wrong: $(stub_log)"
pass "stub logs name, command line and no show state"
rm -f "$ORV_DIR/stub.log"
pids=()
for i in $(seq 8); do
    wine start /unix "$ORV_DIR/ACCOUNTS.EXE" "/n$i" &
    pids+=($!)
done
wait "${pids[@]}"
wait_for 30 "eight stub lines" stub_count_at_least 8
for i in $(seq 8); do
    stub_log | grep -qxF $'ACCOUNTS.EXE\t"C:\\Orvintal\\ACCOUNTS.EXE" /n'"$i"$'\t1' ||
        fail "start $i missing or torn: $(stub_log)"
done
pass "concurrent stub starts logged whole, show state 1"

# Message boxes: seen with title, text, buttons and icon, answered by button. (That the icons are told
# apart shows in the hub's tests, whose boxes differ in them.)
peer message-box 'Brekkan Orvintal   ' $'Sollte ein Gerät vorhanden sein,\nbitte prüfen.' YesNoCancel exclamation \
    >"$E2E_ARTIFACTS/answer.txt" &
box_pid=$!
box=$(peer wait-box 20) || fail "no message box appeared"
[ "$box" = $'Brekkan Orvintal   \tSollte ein Gerät vorhanden sein,\\nbitte prüfen.\tCancel|Yes|No\texclamation' ] ||
    fail "message box seen as '$box'"
screenshot message-box
peer answer-box 'Brekkan Orvintal   ' No >/dev/null || fail "answer-box failed"
wait_exit $box_pid 20
[ "$(cat "$E2E_ARTIFACTS/answer.txt")" = No ] || fail "box answered with '$(cat "$E2E_ARTIFACTS/answer.txt")'"
[ -z "$(peer list-boxes)" ] || fail "a message box is still open"
pass "message box listed and answered"

# Command channel: a receiver with the suite's window classes gets the text; "$Ende$" ends it.
cp "$E2E_BIN/peer.exe" "$ORV_DIR/PICTHELP.EXE"
(cd "$ORV_DIR" && exec wine 'C:\Orvintal\PICTHELP.EXE' serve 'Brekkan PictHelp IDE' 60) \
    >"$E2E_ARTIFACTS/serve.txt" &
serve_pid=$!
wait_for 30 "the receiver's window" peer find-window ThunderRT6FormDC 'Brekkan PictHelp IDE'
peer find-child 'Brekkan PictHelp IDE' ThunderRT6textbox >/dev/null || fail "no command box found"
! peer wait-process PICTHELP.EXE 0.5 || fail "wait-process did not see the running receiver"
peer send-command 'Brekkan PictHelp IDE' 'Grüße' >/dev/null || fail "send-command failed"
peer send-command 'Brekkan PictHelp IDE' '$Ende$' >/dev/null || fail "send-command failed"
wait_exit $serve_pid 20
[ "$HUB_STATUS" -eq 0 ] || fail "receiver did not end on \$Ende\$"
peer wait-process PICTHELP.EXE 10 || fail "receiver still listed as running"
[ "$(tr -d '\r' <"$E2E_ARTIFACTS/serve.txt" | iconv -f CP1252 -t UTF-8)" = $'ready\nreceived\tGrüße\nreceived\t$Ende$' ] ||
    fail "receiver got: $(cat "$E2E_ARTIFACTS/serve.txt")"
! peer send-command 'Brekkan PictHelp IDE' '$Ende$' 2>/dev/null || fail "send-command to no window succeeded"
pass "command channel"
