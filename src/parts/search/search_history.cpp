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

std::vector<std::string> GetNames(Hub& hub) {
    const IniDocument file(hub.os.files.ReadAll(DatabaseFile(hub, kHistoryFile)).value_or(""));
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kHistorySize; ++i) {
        std::string name = file.Read(kSection, Key(i));
        if (!name.empty()) names.push_back(std::move(name));
    }
    return names;
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
    IniDocument file(std::move(*bytes));
    file.DeleteSection(kSection);
    // A term the file cannot carry (a line break) is left out; the others keep their order.
    std::size_t key = 0;
    for (std::size_t i = 0; i < history.size() && key < kHistorySize; ++i) {
        if (file.Write(kSection, Key(key), history[i]) != IniEdit::Refused) ++key;
    }
    return ReplaceFileWith(files, path, file.Bytes());
}

}  // namespace kolvane
