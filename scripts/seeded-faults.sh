#!/usr/bin/env bash
# Seeds one fault at a time into the portable core and counts how many the native suite catches: each
# fault is a single-token change (a comparison flipped, a constant off by one, a text byte changed, a call
# dropped). The tree is changed in place and restored after every fault, so run this in a clone of its
# own, never in a tree where someone is working.
#
#   scripts/seeded-faults.sh            every fault; prints "caught" or "MISSED" for each and the count
#   scripts/seeded-faults.sh 3 17       only the faults with these numbers
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/prerequisites.sh
install_prerequisites ccache

# file <TAB> text that occurs once in it <TAB> its replacement
faults=$(cat <<'LIST'
src/base/store/crypt.cpp	constexpr int kMaskOffset = 96;	constexpr int kMaskOffset = 95;
src/base/store/crypt.cpp	kLongestStoredValue = 254;	kLongestStoredValue = 255;
src/base/store/member_ranges.cpp	if (ranges.A1 == 0) ranges.A1 = 1;	if (ranges.A1 == 0) ranges.A1 = 0;
src/base/store/safe_ini_writer.cpp	return path + ".lck";	return path + ".lcx";
src/base/store/safe_ini_writer.cpp	if (!lock) return SaveResult::Busy;	if (lock) return SaveResult::Busy;
src/base/store/member_database.cpp	if (damaged && result == SaveResult::Saved)	if (damaged || result == SaveResult::Saved)
src/base/store/member_database.cpp	" wurde nicht gefunden.	" wurde nicht gefundne.
src/base/store/database_index.cpp	(name.size() != 4 || name[0] == '0')	(name.size() != 4 || name[0] == '1')
src/base/platform/ini_codec.cpp	const bool quoted = stored.size() >= 2	const bool quoted = stored.size() >= 3
src/base/platform/ini_codec.cpp	if (entry->hasValue && Text(entry->value) == value)	if (entry->hasValue && Text(entry->value) != value)
src/base/platform/ini_codec.cpp	key.front() != '['	key.front() != ']'
src/base/platform/text.cpp	if (u >= 0xE0 && u <= 0xFE && u != 0xF7)	if (u >= 0xE0 && u <= 0xFD && u != 0xF7)
src/base/platform/dates.cpp	"%02d.%02d.%04d"	"%02d-%02d.%04d"
src/base/settings/settings.cpp	return ReadInt(setting) == 1; }	return ReadInt(setting) == 0; }
src/base/settings/settings.cpp	if (value == 0) return Remove(setting);	if (value == 1) return Remove(setting);
src/base/settings/registry_store.cpp	if (text.front() == '+') {	if (text.front() == '-') {
src/base/settings/settings_table.cpp	{S::Klicker, "Klicker", K::Flag, Absent(1)},	{S::Klicker, "Klicker", K::Flag, Absent(0)},
src/base/pack/member_name.cpp	static_cast<unsigned char>(c) < 32	static_cast<unsigned char>(c) < 31
src/base/pack/member_name.cpp	return name.find("..") == std::string_view::npos	return name.find("..") != std::string_view::npos
src/base/pack/pack_format.cpp	entry->size > directory.dataSize - nextOffset	entry->size >= directory.dataSize - nextOffset
src/base/pack/multi_file.cpp	if (total == 0) return 100;	if (total == 0) return 0;
src/parts/password/access_gate.cpp	if (!stored) return true;	if (!stored) return false;
src/parts/password/access_gate.cpp	if (hub.settings.ReadInt(Setting::Encoder) != 1) {	if (hub.settings.ReadInt(Setting::Encoder) != 0) {
src/parts/password/password_change.cpp	if (form.tKennwort != form.tBestaetigung) {	if (form.tKennwort == form.tBestaetigung) {
src/parts/password/password_change.cpp	übereinstimmen.  ";	übereinstimmen. ";
src/parts/launcher/component_table.cpp	"RETURNS.EXE", " /s"	"RETURNS.EXE", "/s"
src/parts/launcher/component_table.cpp	"ADDRBOOK.DLL", " 103"	"ADDRBOOK.DLL", " 104"
src/parts/launcher/menu_builder.cpp	if (c == '&') shown += '&';	if (c == '%') shown += '&';
src/parts/launcher/menu_builder.cpp	if (++position > kMaxPrinters) break;	if (++position >= kMaxPrinters) break;
src/parts/launcher/menu_builder.cpp	if (layout.Dienststellen == 0) b.Add(kInformation);	if (layout.Dienststellen == 1) b.Add(kInformation);
src/parts/launcher/program_choice.cpp	" /CSVDatabase";	" /CSVDatabas";
src/parts/launcher/action_keys.cpp	key > ActionKey::DocVorlage9	key >= ActionKey::DocVorlage9
src/parts/tasks/auto_backup.cpp	days >= kBackupIntervalDays;	days > kBackupIntervalDays;
src/parts/tasks/auto_backup.cpp	{1, 13, 14},	{1, 13, 15},
src/parts/tasks/timer_schedule.cpp	{HubTimer::Timer2, 65000,	{HubTimer::Timer2, 6500,
src/parts/tasks/tmp_database_gate.cpp	constexpr int kMaxPasses = 180;	constexpr int kMaxPasses = 18;
src/parts/tasks/start_completion.cpp	if (!WindowExists(hub, kHintfeedCaption)) StartComponent	if (WindowExists(hub, kHintfeedCaption)) StartComponent
src/parts/tasks/exit_request.cpp	"HINTFEED.EXE", " /b"	"HINTFEED.EXE", " /a"
src/base/hub/database_backup.cpp	bytes.find('\0') == std::string_view::npos ? DatabaseState::Sound	bytes.find('\0') != std::string_view::npos ? DatabaseState::Sound
src/base/hub/shutdown.cpp	ReadInt(Setting::NoTmpBeitrag) == 1	ReadInt(Setting::NoTmpBeitrag) == 0
src/app/command_channel.cpp	if (before == 0) DeleteIfExists	if (before == 1) DeleteIfExists
src/app/installation_check.cpp	if (missing == 0) return;	if (missing == 1) return;
src/app/first_start.cpp	if (exists && (!bytes	if (exists || (!bytes
src/app/startup_sequence.cpp	if (pass == 10 || pass == 20)	if (pass == 11 || pass == 20)
src/app/startup_sequence.cpp	if (hub.LrDatabase == "<DATABASE>")	if (hub.LrDatabase == "<DATABASE")
src/app/startup_sequence.cpp	if (next != "5") return;	if (next != "4") return;
src/app/tray_symbol.cpp	return hub.symbolTag == "1"; }	return hub.symbolTag == "0"; }
src/base/store/member_database.cpp	if (stored && !stored->empty()) continue;	if (stored) continue;
src/parts/members/sender_data.cpp	blank < 2	blank < 1
src/parts/members/sender_data.cpp	id[2] == '/'	id[2] == '-'
src/parts/members/sender_data.cpp	!hub.settings.Exists(S::RegisteredOwner)	hub.settings.Exists(S::RegisteredOwner)
src/parts/members/number_ranges.cpp	FormatMemberNumber(n[TAnfang2] - 1)	FormatMemberNumber(n[TAnfang2])
src/parts/members/number_ranges.cpp	n[TAnfang2] < n[TEnde1] + 5	n[TAnfang2] < n[TEnde1] + 4
src/parts/members/number_ranges.cpp	kMaxWorkingPasses = 360	kMaxWorkingPasses = 361
src/parts/members/number_ranges.cpp	*stored <= 1 ? 1	*stored < 1 ? 1
LIST
)

build=build/faults
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
targets=(kolvane_tests ini_codec_fuzz_replay pack_reader_fuzz_replay database_index_fuzz_replay)
build_suite() { cmake --build "$build" -j "$(nproc)" --target "${targets[@]}" >"$build/fault-build.log" 2>&1; }
# The suite passes: the unit tests and each fuzz target's corpus replay.
suite_passes() {
    timeout 600 "$build/kolvane_tests" --gtest_brief=1 >"$build/fault-run.log" 2>&1 || return 1
    timeout 120 "$build/tests/fuzz/ini_codec_fuzz_replay" tests/corpus/ini >/dev/null 2>&1 || return 1
    timeout 120 "$build/tests/fuzz/pack_reader_fuzz_replay" tests/corpus/pack >/dev/null 2>&1 || return 1
    timeout 120 "$build/tests/fuzz/database_index_fuzz_replay" tests/corpus/index >/dev/null 2>&1
}

build_suite || { tail -n 30 "$build/fault-build.log"; echo "The unchanged tree does not build." >&2; exit 2; }
suite_passes || { tail -n 30 "$build/fault-run.log"; echo "The unchanged tree fails its own tests." >&2; exit 2; }

saved=$(mktemp)
current=""
restore() { [ -z "$current" ] || cp "$saved" "$current"; current=""; }
trap 'restore; rm -f "$saved"' EXIT

caught=0 missed=0 number=0
while IFS=$'\t' read -r file from to; do
    number=$((number + 1))
    if [ $# -gt 0 ] && [[ " $* " != *" $number "* ]]; then continue; fi
    if [ "$(grep -c -F -- "$from" "$file")" != 1 ]; then
        echo "$number: not exactly once in $file: $from" >&2; exit 2
    fi
    cp "$file" "$saved"; current=$file
    FROM=$from TO=$to perl -0pi -e 's/\Q$ENV{FROM}\E/$ENV{TO}/' "$file"
    if ! build_suite; then
        restore; echo "$number: does not compile: $file: $to" >&2; exit 2
    fi
    if suite_passes; then
        missed=$((missed + 1)); echo "$number MISSED  $file: $from -> $to"
    else
        caught=$((caught + 1)); echo "$number caught  $file: $from -> $to"
    fi
    restore
done <<<"$faults"
build_suite >/dev/null 2>&1 || true
echo "Seeded faults: $caught caught, $missed missed of $((caught + missed))"
