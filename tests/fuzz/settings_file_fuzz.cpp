// Fuzz target for the check of a settings backup before it is restored: any bytes give an answer, a file taken
// for a backup begins with one of the registry editor's two headers, and a small model of the editor, reading
// every accepted file line by line as the editor does, neither opens nor deletes a key other than the settings
// key and deletes no value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "options/settings_file_check.h"
#include "platform/text.h"

namespace {

void Require(bool ok) {
    if (!ok) std::abort();
}

std::string_view Trim(std::string_view s, bool end) {
    return end ? s.substr(0, s.find_last_not_of(" \t") + 1) : s.substr(std::min(s.find_first_not_of(" \t"), s.size()));
}

// One line of its own, as the editor reads it; true when the next line continues its hex data.
bool EditLine(std::string_view line) {
    const std::size_t close = line.find(']');
    if (line.starts_with('['))
        Require(!line.starts_with("[-") && (close == std::string_view::npos ||
                                            kolvane::EqualsNoCase(line.substr(1, close - 1), kolvane::SettingsKeyName())));
    std::size_t at = 0;  // the end of the value's name
    if (line.starts_with('"'))
        for (at = 1; at < line.size() && line[at] != '"';) at += line[at] == '\\' ? 2 : 1;
    else if (!line.starts_with('@')) return false;
    const std::string_view value = Trim(Trim(line.substr(std::min(at + 1, line.size())), false).substr(1), false);
    Require(!value.starts_with('-'));
    return value.starts_with("hex") && Trim(line, true).ends_with(",\\");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (kolvane::SettingsFileRefusal(bytes)) return 0;
    const bool unicode = bytes.starts_with("\xFF\xFE");
    Require(unicode || bytes.starts_with("REGEDIT4"));
    std::string text = unicode ? "" : bytes;
    for (std::size_t i = 2; unicode && i + 1 < bytes.size(); i += 2) text += bytes[i + 1] == 0 ? bytes[i] : '?';
    bool joined = false;
    for (std::size_t start = text.find_first_of("\r\n"); start < text.size();) {
        start += text.compare(start, 2, "\r\n") == 0 ? 2 : 1;
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        const std::string_view line = Trim(std::string_view(text).substr(start, end - start), false);
        joined = joined ? Trim(line.substr(0, line.find('\0')), true).ends_with(",\\") : EditLine(line.substr(0, line.find('\0')));
        start = end;
    }
    return 0;
}
