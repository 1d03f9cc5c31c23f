#include "settings/settings.h"

#include <gtest/gtest.h>

#include "platform/kernel_memory.h"
#include "platform/registry_memory.h"
#include "platform/text.h"
#include "settings/registry_keys.h"

namespace kolvane {
namespace {

RegData Sz(const std::string& text) { return {RegType::Sz, text + '\0'}; }
RegData Dword(std::uint16_t n) { return {RegType::Dword, std::string{char(n & 0xFF), char(n >> 8), 0, 0}}; }

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest() { registry.CreateKey(kSettingsKey.root, kSettingsKey.path, ""); }
    std::string Name(Setting s) { return std::string(EntryOf(s).name); }
    MemoryRegistry registry;
    MemoryKernel kernel;
    Settings settings{registry, kernel};
};

// One value of each kind, its name checked against the table (an umlaut among them): what it reads as,
// stored or missing, and how a write stores it.
TEST_F(SettingsTest, EachKindReadsAndWritesAsItsPeersKeepIt) {
    enum Op { Int, Text, Delete };
    const std::optional<RegData> gone;
    const struct {
        Setting id;
        const char* name;
        SettingKind kind;
        std::optional<RegData> before;
        std::int32_t number;  // what ReadInt and ReadText give before the write
        std::string text;
        Op op;
        std::string arg;
        bool result;
        std::optional<RegData> after;
    } cases[] = {
        {Setting::Oeffnen, "\xD6" "ffnen", SettingKind::Flag, gone, 0, "0", Int, "0", true, Dword(0)},
        {Setting::FindListUser, "FindListUser", SettingKind::FlagDeletedWhenOff, Dword(1), 1, "1", Int, "0", true, gone},
        {Setting::Maustaste, "Maustaste", SettingKind::Index, Sz("links"), 0, "links", Text, "2", true, Dword(2)},
        {Setting::Themes, "Themes", SettingKind::Number, {{RegType::Dword, std::string("\x40\x9C\0\0", 4)}}, 40000,
         "40000", Text, "40000", false, {{RegType::Dword, std::string("\x40\x9C\0\0", 4)}}},
        {Setting::ALizenz0, "ALizenz0", SettingKind::Text, gone, 0, "Kelmsdorfer Lohnsteuerberatung", Text, "Verein, ",
         true, Sz("Verein, ")},
        {Setting::Database, "Database", SettingKind::Text, {{RegType::ExpandSz, std::string("%PUBLIC%\\O\\\0", 12)}}, 0,
         "C:\\Users\\Public\\O\\", Text, "", true, Sz("")},
        {Setting::Running, "Running", SettingKind::TextNumber, Sz("4"), 4, "4", Int, "5", true, Sz("5")},
        {Setting::PdfViewer, "PdfViewer", SettingKind::TextDeletedWhenEmpty, Sz("C:\\pdf.exe"), 0, "C:\\pdf.exe", Text,
         "", true, gone},
        {Setting::Formulare, "Formulare", SettingKind::TextWrittenWhenSet, Sz("F:\\"), 0, "F:\\", Text, "", true,
         Sz("F:\\")},
        {Setting::StopError, "StopError", SettingKind::Marker, gone, 0, "", Int, "1", false, gone},
        {Setting::StopError, "StopError", SettingKind::Marker, Sz("1"), 1, "1", Delete, "", true, gone},
        {Setting::Encoder, "Encoder", SettingKind::Flag, Dword(1), 1, "1", Text, "ja", false, Dword(1)},
    };
    kernel.environment["PUBLIC"] = "C:\\Users\\Public";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EntryOf(c.id).name, c.name);
        EXPECT_EQ(EntryOf(c.id).kind, c.kind);
        registry.DeleteValue(kSettingsKey.root, kSettingsKey.path, c.name);
        if (c.before) registry.Put(kSettingsKey.root, kSettingsKey.path, c.name, *c.before);
        EXPECT_EQ(settings.ReadInt(c.id), c.number);
        EXPECT_EQ(settings.ReadText(c.id), c.text);
        const bool result = c.op == Int    ? settings.WriteInt(c.id, static_cast<std::int16_t>(std::stoi(c.arg)))
                            : c.op == Text ? settings.WriteText(c.id, c.arg)
                                           : settings.Delete(c.id);
        EXPECT_EQ(result, c.result);
        const auto after = registry.QueryValue(kSettingsKey.root, kSettingsKey.path, c.name);
        ASSERT_EQ(after.has_value(), c.after.has_value());
        if (after) { EXPECT_EQ(std::pair(after->type, after->bytes), std::pair(c.after->type, c.after->bytes)); }
    }
}

// The table against itself: one name per value, no UTF-8 left in a name, each default of its kind.
TEST_F(SettingsTest, AnEmptyKeyReadsEveryDefaultOfTheTable) {
    const auto all = AllSettings();
    ASSERT_EQ(all.size(), kSettingCount);
    for (const SettingEntry& entry : all) {
        SCOPED_TRACE(std::string(entry.name));
        EXPECT_EQ(entry.name.find('\xC3'), std::string_view::npos);
        for (const SettingEntry& other : all)
            if (&other != &entry) { EXPECT_FALSE(EqualsNoCase(entry.name, other.name)); }
        std::string text = "x";
        EXPECT_FALSE(settings.Get(entry.id, text));
        EXPECT_EQ(text, "x");
        const bool integer = entry.kind <= SettingKind::Number;  // Flag, FlagDeletedWhenOff, Index, Number
        EXPECT_TRUE(integer ? entry.absent.text.empty() : entry.absent.number == 0);
        if (integer) { EXPECT_EQ(settings.ReadInt(entry.id), entry.absent.number); }
        if (!integer) { EXPECT_EQ(settings.ReadText(entry.id), entry.absent.text); }
    }
}

// Without administrative rights, or without the settings key, writes fail and nothing changes or appears.
TEST(Settings, WithoutTheKeyOrTheRightsNothingChanges) {
    for (const bool keyThere : {true, false}) {
        SCOPED_TRACE(keyThere ? "read-only key" : "no key");
        MemoryRegistry registry;
        MemoryKernel kernel;
        Settings settings(registry, kernel);
        if (keyThere) {
            registry.CreateKey(kSettingsKey.root, kSettingsKey.path, "");
            settings.WriteInt(Setting::StartApp, 2);
            settings.WriteText(Setting::PdfViewer, "C:\\pdf.exe");
            registry.SetReadOnly(RegRoot::LocalMachine, "Software", true);
        }
        EXPECT_FALSE(settings.WriteInt(Setting::StartApp, 0));
        EXPECT_FALSE(settings.WriteText(Setting::Infotip, "Hinweis"));
        EXPECT_EQ(settings.WriteText(Setting::PdfViewer, ""), !keyThere) << "only a stored viewer is deleted";
        EXPECT_EQ(settings.ReadInt(Setting::StartApp), keyThere ? 2 : 0);
        EXPECT_EQ(settings.ReadText(Setting::PdfViewer), keyThere ? "C:\\pdf.exe" : "");
        EXPECT_FALSE(settings.Exists(Setting::Infotip));
        EXPECT_EQ(registry.HasKey(kSettingsKey.root, kSettingsKey.path), keyThere);
    }
}

}  // namespace
}  // namespace kolvane
