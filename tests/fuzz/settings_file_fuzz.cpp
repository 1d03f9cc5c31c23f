// Fuzz target for the check of a settings backup before it is restored: any bytes give an answer, a file taken
// for a backup begins with one of the registry editor's two headers, and a small model of the editor, reading
// every accepted file line by line as the editor does, neither opens nor deletes a key other than the settings
// key and deletes no value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/text.h"
#include "settings/settings_file_check.h"

namespace {

std::string_view TrimStart(std::string_view s) { return s.substr(std::min(s.find_first_not_of(" \t"), s.size())); }
std::string_view TrimEnd(std::string_view s) { return s.substr(0, s.find_last_not_of(" \t") + 1); }

void Require(bool ok) {
    if (!ok) std::abort();
}

// One line of its own; true when the editor reads the next line as the continuation of this one's hex data.
bool EditLine(std::string_view line) {
    if (line.starts_with('[')) {
        const std::size_t close = line.find(']');
        Require(!line.starts_with("[-"));
        Require(close == std::string_view::npos || kolvane::EqualsNoCase(line.substr(1, close - 1), kolvane::SettingsKeyName()));
        return false;
    }
    std::size_t at = 0;  // the end of the value's name
    if (line.starts_with('"'))
        for (at = 1; at < line.size() && line[at] != '"';) at += line[at] == '\\' ? 2 : 1;
    else if (!line.starts_with('@')) return false;
    const std::string_view value = TrimStart(TrimStart(line.substr(std::min(at + 1, line.size()))).substr(1));
    Require(!value.starts_with('-'));
    return value.starts_with("hex") && TrimEnd(line).ends_with(",\\");
}

void Edit(const std::string& bytes) {
    std::string text;
    if (bytes.starts_with("\xFF\xFE"))
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) text += bytes[i + 1] == 0 ? bytes[i] : '?';
    else text = bytes;
    bool joined = false;
    std::size_t start = text.find_first_of("\r\n");
    while (start < text.size()) {
        start += text.compare(start, 2, "\r\n") == 0 ? 2 : 1;
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        std::string_view line = std::string_view(text).substr(start, end - start);
        line = TrimStart(line.substr(0, line.find('\0')));
        joined = joined ? TrimEnd(line).ends_with(",\\") : EditLine(line);
        start = end;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (kolvane::SettingsFileRefusal(bytes)) return 0;
    Require(bytes.starts_with("REGEDIT4") || bytes.starts_with("\xFF\xFE"));
    Edit(bytes);
    return 0;
}
