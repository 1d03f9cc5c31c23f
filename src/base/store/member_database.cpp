#include "store/member_database.h"

#include <array>
#include <optional>
#include <vector>

#include "store/crypt.h"

namespace kolvane {

namespace {

struct SaveFailure {
    SaveResult result;
    std::string_view text;  // follows "Die Datenbank " and the file's name
};

// Refused writes show the scrambler's notice; these are the other ways a save can fail.
constexpr std::array<SaveFailure, 4> kSaveFailures{{
    {SaveResult::Missing, " wurde nicht gefunden.\nDer Datensatz wurde nicht gespeichert."},
    {SaveResult::Damaged,
     " ist leer oder beschädigt (der Kopfbereich fehlt).\nDer Datensatz wurde nicht gespeichert, die Datei "
     "bleibt unverändert."},
    {SaveResult::Busy,
     " wird gerade von einem anderen Programm benutzt.\nDer Datensatz wurde nicht gespeichert, die gespeicherten "
     "Daten sind unverändert.\nBitte versuchen Sie es in einem Moment noch einmal."},
    {SaveResult::Failed,
     " konnte nicht geschrieben werden (Datenträger voll oder keine Schreibrechte).\nDer Datensatz wurde nicht "
     "gespeichert, die gespeicherten Daten sind unverändert."},
}};

void Report(Dialogs& dialogs, SaveResult result, const std::string& path) {
    if (result == SaveResult::Refused) {
        dialogs.ShowMessage(CryptRejectedMessage());
        return;
    }
    for (const SaveFailure& failure : kSaveFailures) {
        if (failure.result != result) continue;
        dialogs.ShowMessage({"Die Datenbank " + path + std::string(failure.text), std::string(kCryptRejectedTitle),
                             MsgButtons::Ok, MsgIcon::Exclamation});
    }
}

struct StoredValue {
    std::string key;
    std::string value;
};

// The record as the file will hold it, or nothing when any part of it would not read back as given.
std::optional<std::vector<StoredValue>> Scramble(std::span<const DatabaseValue> values) {
    std::vector<StoredValue> stored;
    for (const DatabaseValue& value : values) {
        std::optional<std::string> key = Crypt(value.key);
        if (!key || !IniKeyNameWritable(*key) || !CanStore(value.value)) return std::nullopt;
        stored.push_back({std::move(*key), *Crypt(value.value)});
    }
    return stored;
}

}  // namespace

MemberDatabase::MemberDatabase(Platform& os, std::string path) : os_(os), path_(std::move(path)) {}

bool MemberDatabase::Exists() { return os_.files.Exists(path_); }

bool MemberDatabase::IsDatabase() { return Exists() && Load().HasSection(kHeaderSection); }

DatabaseIndex MemberDatabase::Load() {
    if (!os_.files.Exists(path_) || os_.files.IsFolder(path_)) return DatabaseIndex();
    std::optional<std::string> bytes = ReadWholeFile(os_.files, os_.clock, path_);
    return DatabaseIndex(bytes ? std::move(*bytes) : std::string());
}

std::string MemberDatabase::Read(std::string_view section, std::string_view key) {
    DamageNotice notice(os_.dialogs);
    return Load().Read(section, key, notice);
}

MemberRecord MemberDatabase::ReadMember(int number) {
    DamageNotice notice(os_.dialogs);
    return Load().ReadMember(number, notice);
}

MemberRanges MemberDatabase::ReadRanges() {
    DamageNotice notice(os_.dialogs);
    return Load().ReadRanges(notice);
}

SaveResult MemberDatabase::Write(std::string_view section, std::span<const DatabaseValue> values) {
    return Write(section, SectionChange{{}, values, {}});
}

SaveResult MemberDatabase::Write(std::string_view section, const SectionChange& change) {
    const std::optional<std::vector<StoredValue>> values = Scramble(change.values);
    const std::optional<std::vector<StoredValue>> defaults = Scramble(change.defaults);
    if (!values || !defaults || !IniSectionNameWritable(section)) {
        Report(os_.dialogs, SaveResult::Refused, path_);
        return SaveResult::Refused;
    }
    return Save([&](IniDocument& document) {
        IniEdit outcome = IniEdit::Unchanged;
        const auto apply = [&](IniEdit edit) {
            if (edit == IniEdit::Changed) outcome = IniEdit::Changed;
            return edit != IniEdit::Refused;
        };
        for (std::string_view key : change.removedPlainKeys)
            if (!apply(document.DeleteKey(section, key))) return IniEdit::Refused;
        for (const StoredValue& value : *values)
            if (!apply(document.Write(section, value.key, value.value))) return IniEdit::Refused;
        for (const StoredValue& value : *defaults) {
            // A value that does not unscramble reads as empty everywhere in the suite.
            const std::optional<std::string> stored = Crypt(document.Read(section, value.key));
            if (stored && !stored->empty()) continue;
            if (!apply(document.Write(section, value.key, value.value))) return IniEdit::Refused;
        }
        return outcome;
    });
}

SaveResult MemberDatabase::Write(std::string_view section, std::string_view key, std::string_view value) {
    const DatabaseValue one{key, value};
    return Write(section, std::span(&one, 1));
}

SaveResult MemberDatabase::Delete(std::string_view section, std::string_view key) {
    const std::optional<std::string> stored = Crypt(key);
    if (!stored) {
        Report(os_.dialogs, SaveResult::Refused, path_);
        return SaveResult::Refused;
    }
    return Save([&](IniDocument& document) { return document.DeleteKey(section, *stored); });
}

SaveResult MemberDatabase::Save(const std::function<IniEdit(IniDocument&)>& edit) {
    bool damaged = false;
    SaveResult result = EditIniFile(
        os_.files, os_.clock, os_.locks, path_,
        [&](IniDocument& document) {
            damaged = document.FindSection(kHeaderSection) == nullptr;
            return damaged ? IniEdit::Unchanged : edit(document);
        },
        bounds_);
    if (damaged && result == SaveResult::Saved) result = SaveResult::Damaged;
    Report(os_.dialogs, result, path_);
    return result;
}

}  // namespace kolvane
