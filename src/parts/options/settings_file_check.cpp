// The registry editor imports whatever a file names, anywhere in the registry, and deletes keys and values on
// request. A settings backup may only set values of the settings key, so every line is checked before the
// file gets near the editor.
#include "options/settings_file_check.h"

#include <string_view>

#include "platform/ini_codec.h"
#include "platform/text.h"
#include "settings/registry_keys.h"

namespace kolvane {
namespace {

constexpr std::string_view kAnsiHeader = "REGEDIT4";
constexpr std::string_view kUnicodeHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kUnicodeMark = "\xFF\xFE";

constexpr char kNoBackup[] =
    "Die Datei ist keine Sicherung der Einstellungen von Orvintal und wird nicht geladen.";
constexpr char kForeignKey[] =
    "Die Datei enthält Einträge außerhalb der Einstellungen von Orvintal und wird nicht geladen.";
constexpr char kDeletes[] = "Die Datei würde Einträge der Registrierung löschen und wird nicht geladen.";

// UTF-16LE reduced to single bytes: the structure of the file is all that is checked, and it is ASCII.
std::string Narrow(std::string_view wide) {
    std::string text;
    for (std::size_t i = 0; i + 1 < wide.size(); i += 2)
        text += wide[i + 1] == 0 ? wide[i] : '?';
    return text;
}

// The text after the value's name, or nothing when the line names no value.
std::optional<std::string_view> AfterName(std::string_view line) {
    if (line.starts_with('@')) return line.substr(1);
    if (!line.starts_with('"')) return std::nullopt;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '\\') ++i;
        else if (line[i] == '"') return line.substr(i + 1);
    }
    return std::nullopt;
}

std::optional<std::string> LineRefusal(std::string_view line, bool& inKey) {
    if (line.starts_with("[-")) return kDeletes;
    if (line.starts_with('[')) {
        inKey = EqualsNoCase(line, "[" + SettingsKeyName() + "]");
        return inKey ? std::nullopt : std::optional<std::string>(kForeignKey);
    }
    const auto rest = AfterName(line);
    if (!rest || !rest->starts_with('=')) return kNoBackup;
    if (rest->substr(1).starts_with('-')) return kDeletes;
    return inKey ? std::nullopt : std::optional<std::string>(kForeignKey);
}

}  // namespace

std::string SettingsKeyName() { return "HKEY_LOCAL_MACHINE\\" + std::string(kSettingsKey.path); }

std::optional<std::string> SettingsFileRefusal(const std::string& bytes) {
    const bool unicode = bytes.starts_with(kUnicodeMark);
    const std::string text = unicode ? Narrow(std::string_view(bytes).substr(kUnicodeMark.size())) : bytes;
    bool first = true, inKey = false, continued = false;
    std::size_t start = 0;
    while (start < text.size()) {
        // The editor ends a line at a carriage return of its own too: a line hidden behind one is a line.
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        std::string_view line = std::string_view(text).substr(start, end - start);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (first) {
            if (line != (unicode ? kUnicodeHeader : kAnsiHeader)) return kNoBackup;
            first = false;
            continue;
        }
        const bool continuation = continued;
        continued = line.ends_with('\\');
        line = IniTrim(line);
        if (continuation || line.empty() || line.starts_with(';')) continue;
        if (auto refusal = LineRefusal(line, inKey)) return refusal;
    }
    return first ? std::optional<std::string>(kNoBackup) : std::nullopt;
}

}  // namespace kolvane
