#include "options/settings_file_check.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

namespace kolvane {
namespace {

// The table of settings_file_refusals.txt: a file of the fuzz target's seeds and why it is refused. The editor
// joins a line to the next only inside hex data ending in ",\", so any other line ending in "\" would hide the
// next line from the check: such a line makes a file "no backup", whatever follows it. A "[-" line deletes the
// key it names with everything below it, "name=-" (blanks allowed before the "-") deletes the value.
TEST(SettingsFileCheck, RefusesWhatTheEditorWouldDoOutsideTheSettings) {
    const std::map<std::string, std::optional<std::string>> reasons{
        {"accepted", std::nullopt},
        {"no backup", "Die Datei ist keine Sicherung der Einstellungen von Orvintal und wird nicht geladen."},
        {"foreign key", "Die Datei enthält Einträge außerhalb der Einstellungen von Orvintal und wird nicht geladen."},
        {"deletes", "Die Datei würde Einträge der Registrierung löschen und wird nicht geladen."}};
    std::ifstream table(KOLVANE_SOURCE_DIR "/tests/parts/options/settings_file_refusals.txt");
    int rows = 0;
    for (std::string name, reason; std::getline(table, name, '\t') && std::getline(table, reason); ++rows) {
        SCOPED_TRACE(name);
        std::ifstream file(KOLVANE_SOURCE_DIR "/tests/corpus/settings/" + name, std::ios::binary);
        ASSERT_TRUE(file);
        EXPECT_EQ(SettingsFileRefusal((std::ostringstream() << file.rdbuf()).str()), reasons.at(reason));
    }
    EXPECT_EQ(rows, 22);
}

}  // namespace
}  // namespace kolvane
