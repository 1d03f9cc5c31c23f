#include "settings/settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/kernel_memory.h"
#include "platform/registry_memory.h"
#include "settings/registry_keys.h"

namespace kolvane {
namespace {

using namespace std::string_literals;

RegData Sz(const std::string& text) { return {RegType::Sz, text + '\0'}; }
RegData Dword(char low, char high = 0) { return {RegType::Dword, std::string{low, high, 0, 0}}; }

// One value of each kind, its name checked against the table (an umlaut among them): what it reads as,
// stored or missing, and how a write stores it.
TEST(Settings, EachKindReadsAndWritesAsItsPeersKeepIt) {
    MemoryRegistry registry;
    MemoryKernel kernel;
    Settings settings(registry, kernel);
    registry.CreateKey(kSettingsKey.root, kSettingsKey.path, "");
    using K = SettingKind;
    enum Op { Int, Text, Delete };
    const std::optional<RegData> gone;
    // The value as stored before, what ReadInt and ReadText then give, the write, its result and what it stores.
    const struct { Setting id; const char* name; K kind; std::optional<RegData> before; std::int32_t number;
                   std::string text; Op op; std::string arg; bool result; std::optional<RegData> after; } cases[] = {
        {Setting::Oeffnen, "\xD6" "ffnen", K::Flag, gone, 0, "0", Int, "0", true, Dword(0)},
        {Setting::FindListUser, "FindListUser", K::FlagDeletedWhenOff, Dword(1), 1, "1", Int, "0", true, gone},
        {Setting::Maustaste, "Maustaste", K::Index, Sz("links"), 0, "links", Text, "2", true, Dword(2)},
        {Setting::Themes, "Themes", K::Number, Dword('\x40', '\x9C'), 40000, "40000", Text, "40000", false, Dword('\x40', '\x9C')},
        {Setting::ALizenz0, "ALizenz0", K::Text, gone, 0, "Kelmsdorfer Lohnsteuerberatung", Text, "V, ", true, Sz("V, ")},
        {Setting::Running, "Running", K::TextNumber, Sz("4"), 4, "4", Int, "5", true, Sz("5")},
        {Setting::PdfViewer, "PdfViewer", K::TextDeletedWhenEmpty, Sz("C:\\p.exe"), 0, "C:\\p.exe", Text, "", true, gone},
        {Setting::Formulare, "Formulare", K::TextWrittenWhenSet, Sz("F:\\"), 0, "F:\\", Text, "", true, Sz("F:\\")},
        {Setting::StopError, "StopError", K::Marker, gone, 0, "", Int, "1", false, gone},
        {Setting::StopError, "StopError", K::Marker, Sz("1"), 1, "1", Delete, "", true, gone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SettingEntry& entry = AllSettings()[static_cast<std::size_t>(c.id)];  // the table as a whole
        EXPECT_EQ(std::pair(std::string(entry.name), entry.kind), std::pair(std::string(c.name), c.kind));
        registry.DeleteValue(kSettingsKey.root, kSettingsKey.path, c.name);
        if (c.before) registry.Put(kSettingsKey.root, kSettingsKey.path, c.name, *c.before);
        EXPECT_EQ(std::pair(settings.ReadInt(c.id), settings.ReadFlag(c.id)), std::pair(c.number, c.number == 1));
        EXPECT_EQ(settings.ReadText(c.id), c.text);
        EXPECT_EQ(c.op == Int    ? settings.WriteInt(c.id, static_cast<std::int16_t>(std::stoi(c.arg)))
                  : c.op == Text ? settings.WriteText(c.id, c.arg) : settings.Delete(c.id), c.result);
        const auto after = registry.QueryValue(kSettingsKey.root, kSettingsKey.path, c.name);
        EXPECT_EQ(after ? std::pair(after->type, after->bytes) : std::pair(RegType::None, "gone"s),
                  c.after ? std::pair(c.after->type, c.after->bytes) : std::pair(RegType::None, "gone"s));
    }
}

// The suite's programs read these values by name and take the same defaults: the whole table as they know it is
// kept with the tests (Windows-1252, one value a line: name, kind, whether a default exists, its number and text),
// so that a changed name, kind or default is a change of both on purpose.
TEST(Settings, TheTableIsTheOneThePeersKnow) {
    std::ostringstream table;
    for (const SettingEntry& e : AllSettings())
        table << e.name << '\t' << int(e.kind) << '\t' << e.absent.present << '\t' << e.absent.number << '\t' << e.absent.text << '\n';
    std::ifstream known(KOLVANE_SOURCE_DIR "/tests/base/settings/settings_table.txt", std::ios::binary);
    EXPECT_EQ(table.str(), (std::ostringstream() << known.rdbuf()).str());
}

}  // namespace
}  // namespace kolvane
