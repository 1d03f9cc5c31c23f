#include "search/search_history.h"

#include <algorithm>

#include "platform/ini_codec.h"
#include "platform/text.h"
#include "store/safe_ini_writer.h"

namespace kolvane {

namespace {

constexpr char kSection[] = "REFIND";
constexpr int kFirstKey = 100;

std::string Key(std::size_t i) { return std::to_string(kFirstKey + static_cast<int>(i)); }

// The term as the file gives it back once written: blanks around it and matching outer quotes go, and
// what is left may have such blanks again ("\" Meier \""), until nothing more goes.
std::string AsReadBack(std::string_view term) {
    for (std::string_view shorter; (shorter = IniReadBack(IniTrim(term))) != term;) term = shorter;
    return std::string(term);
}

}  // namespace

std::vector<std::string> NamesIn(std::string bytes) {
    const IniDocument file(std::move(bytes));
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kHistorySize; ++i) {
        // In the form a typed term takes, so that both compare alike and each stays as written back.
        std::string name = AsReadBack(file.Read(kSection, Key(i)));
        if (!name.empty()) names.push_back(std::move(name));
    }
    return names;
}

std::string WithNames(std::string bytes, const std::vector<std::string>& history) {
    IniDocument file(std::move(bytes));
    // A later section of the same name would take the new terms' keys, or outlive them and come back.
    while (file.DeleteSection(kSection) == IniEdit::Changed) {
    }
    // A term the file cannot carry (a line break) is left out; the others keep their order.
    std::size_t key = 0;
    for (std::size_t i = 0; i < history.size() && key < kHistorySize; ++i) {
        if (file.Write(kSection, Key(key), history[i]) != IniEdit::Refused) ++key;
    }
    return file.Bytes();
}

std::vector<std::string> GetNames(Hub& hub) {
    return NamesIn(hub.os.files.ReadAll(DatabaseFile(hub, kHistoryFile)).value_or(""));
}

void AddToHistory(std::vector<std::string>& history, const std::string& typed) {
    const std::string term = AsReadBack(typed);
    if (term.empty()) return;
    std::erase_if(history, [&](const std::string& old) { return EqualsNoCase(old, term); });
    history.insert(history.begin(), term);
    if (history.size() > kHistorySize) history.resize(kHistorySize);
}

bool WriteNames(Hub& hub, const std::vector<std::string>& history) {
    const std::string path = DatabaseFile(hub, kHistoryFile);
    Files& files = hub.os.files;
    std::optional<std::string> bytes = files.Exists(path) ? files.ReadAll(path) : std::string();
    if (!bytes) return false;
    return ReplaceFileWith(files, path, WithNames(std::move(*bytes), history));
}

}  // namespace kolvane
