#include "settings/settings_file_check.h"

#include <gtest/gtest.h>

namespace kolvane {
namespace {

using namespace std::string_literals;

constexpr char kNoBackup[] = "Die Datei ist keine Sicherung der Einstellungen von Orvintal und wird nicht geladen.";
constexpr char kForeign[] =
    "Die Datei enthält Einträge außerhalb der Einstellungen von Orvintal und wird nicht geladen.";
constexpr char kDeletes[] = "Die Datei würde Einträge der Registrierung löschen und wird nicht geladen.";

// The editor joins a line to the next only inside hex data ending in ",\"; every other line ending in "\" would
// hide the next line from the check, so it is refused whatever follows it.
TEST(SettingsFileCheck, RefusesWhatTheEditorWouldDoOutsideTheSettings) {
    const std::string key = "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software\\Brekkan\\Orvintal]\r\n";
    const std::string run = "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n\"X\"=\"x\"\r\n";
    const struct {
        std::string file;
        std::optional<std::string> refusal;
    } cases[] = {
        {key + "\"Pfad\"=\"C:\\\\a \\\"b\\\"\"\r\n;note\r\n\"Bin\"=hex:01,\\\r\n  02,\\\r\n 03\r\n", std::nullopt},
        {key + "\"Multi\"=hex(7):41,00,\\\r\n  00,00\r\n@=\"x\"\r\n", std::nullopt},
        {"\xFF\xFE" "W\0i\0n\0d\0o\0w\0s\0 \0R\0e\0g\0i\0s\0t\0r\0y\0 \0E\0d\0i\0t\0o\0r\0 \0V\0e\0r\0s\0i\0o\0n\0 \0"
         "5\0.\0" "0\0" "0\0\r\0\n\0"s, std::nullopt},
        {key + ";Sicherung\\\r\n" + run, kNoBackup},
        {key + "\"A\"=\"x\"\\\r\n" + run, kNoBackup},
        {key + "\"A\"=dword:1\\\r\n[-HKEY_LOCAL_MACHINE\\SOFTWARE\\X]\r\n", kNoBackup},
        {key + "\"Bin\"=hex:01\\\r\n02\r\n", kNoBackup},         // no comma before the "\": no continuation
        {key + "\"Bin\"=hex:01,\\\r\n02\\\r\n" + run, kNoBackup},  // nor here
        {key + "\"Bin\"=hex:01,\\\r\n" + run, kNoBackup},          // a continuation holds hex data only
        {key + "\"Bin\"=hex(x):01,\\\r\n02\r\n", kNoBackup},
        {key + "\"A\"=\"x\"\0\\\r\n"s + run, kNoBackup},          // the editor's line ends at the NUL
        {"Windows Registry Editor Version 5.00\r\n", kNoBackup},
        {"REGEDIT4\r\n\"Database\"=\"x\"\r\n", kForeign},
        {"REGEDIT4\r\n" + run, kForeign},
        {key + "[HKEY_LOCAL_MACHINE\\Software\\Brekkan\\Orvintal2]\r\n", kForeign},
        {key + "[HKEY_CURRENT_USER\\Software\\Brekkan\\Orvintal]\r\n", kForeign},
        {key + "[-HKEY_LOCAL_MACHINE\\Software\\Brekkan\\Orvintal]\r\n", kDeletes},  // "[-key]" deletes the key
        {key + "\"Database\"=-\r\n", kDeletes},
        {key + "\"Database\"= -\r\n", kDeletes},
        {key + "@=\t-\r\n", kDeletes},
        {key + "\"Pfad\"=\"x\"\r[-HKEY_LOCAL_MACHINE\\Software]\r\n", kDeletes},  // a lone carriage return ends a line
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        EXPECT_EQ(SettingsFileRefusal(c.file), c.refusal);
    }
}

}  // namespace
}  // namespace kolvane
