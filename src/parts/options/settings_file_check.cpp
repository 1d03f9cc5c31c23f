// The registry editor imports whatever a file names, anywhere in the registry, and deletes keys and values on
// request. A settings backup may only set values of the settings key, so every line is checked before the
// file gets near the editor, read by the editor's own line rules: a line joins the next only inside hex data.
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
constexpr std::string_view kHexDigits = "0123456789abcdefABCDEF";

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

std::string_view TrimStart(std::string_view text) {
    while (!text.empty() && IniIsBlank(text.front())) text.remove_prefix(1);
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

// Hex data as the editor continues it: digits and commas, blanks between them, and at most a final "\",
// which continues the data only right after a comma.
bool HexData(std::string_view data) {
    if (data.ends_with('\\') && !data.ends_with(",\\")) return false;
    if (data.ends_with('\\')) data.remove_suffix(1);
    return data.find_first_not_of(std::string(kHexDigits) + ", \t") == std::string_view::npos;
}

// A value of the binary kinds ("hex:" or "hex(7):"): the only lines whose data may go on in the next line.
bool HexValue(std::string_view value) {
    if (value.starts_with("hex:")) return HexData(value.substr(4));
    if (!value.starts_with("hex(")) return false;
    const std::size_t close = value.find("):");
    return close > 4 && close != std::string_view::npos &&
           value.substr(4, close - 4).find_first_not_of(kHexDigits) == std::string_view::npos &&
           HexData(value.substr(close + 2));
}

// A line of its own. Any line ending in "\" other than hex data would hide the next line from the check while
// the editor reads it as a line of its own, so it is refused.
std::optional<std::string> LineRefusal(std::string_view line, bool& inKey, bool& continued) {
    if (line.starts_with("[-")) return kDeletes;  // "[-key]" deletes the key with everything below it
    if (line.starts_with('[')) {
        inKey = EqualsNoCase(line, "[" + SettingsKeyName() + "]");
        return inKey ? std::nullopt : std::optional<std::string>(kForeignKey);
    }
    const auto rest = AfterName(line);
    if (!rest || !rest->starts_with('=')) return kNoBackup;
    const std::string_view value = TrimStart(rest->substr(1));
    if (value.starts_with('-')) return kDeletes;  // "name=-" deletes the value
    continued = line.ends_with('\\');
    if (continued && !HexValue(value)) return kNoBackup;
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
        const std::string_view raw = std::string_view(text).substr(start, end - start);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (first) {
            if (raw != (unicode ? kUnicodeHeader : kAnsiHeader)) return kNoBackup;
            first = false;
            continue;
        }
        // A NUL ends a line for the editor where the check would read on.
        if (raw.find('\0') != std::string_view::npos) return kNoBackup;
        const std::string_view line = IniTrim(raw);
        if (continued) {
            if (!HexData(line)) return kNoBackup;
            continued = line.ends_with('\\');
        } else if (line.starts_with(';')) {
            if (line.ends_with('\\')) return kNoBackup;
        } else if (!line.empty()) {
            if (auto refusal = LineRefusal(line, inKey, continued)) return refusal;
        }
    }
    return first ? std::optional<std::string>(kNoBackup) : std::nullopt;
}

}  // namespace kolvane
