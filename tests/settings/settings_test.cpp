#include "settings/settings.h"

#include <gtest/gtest.h>

#include "platform/kernel_memory.h"
#include "platform/registry_memory.h"
#include "settings/registry_keys.h"

namespace kolvane {
namespace {

RegData Sz(const std::string& text) { return {RegType::Sz, text + '\0'}; }
RegData Dword(std::uint8_t low) { return {RegType::Dword, std::string{static_cast<char>(low), 0, 0, 0}}; }

class SettingsTest : public ::testing::Test {
protected:
    SettingsTest() { registry.CreateKey(kSettingsKey.root, kSettingsKey.path, ""); }
    void Put(Setting s, RegData data) {
        registry.Put(kSettingsKey.root, kSettingsKey.path, std::string(EntryOf(s).name), std::move(data));
    }
    std::optional<RegData> Stored(Setting s) {
        return registry.QueryValue(kSettingsKey.root, kSettingsKey.path, std::string(EntryOf(s).name));
    }
    MemoryRegistry registry;
    MemoryKernel kernel;
    Settings settings{registry, kernel};
};

TEST_F(SettingsTest, AnEmptyKeyReadsEveryDefault) {
    for (const SettingEntry& entry : AllSettings()) {
        SCOPED_TRACE(std::string(entry.name));
        EXPECT_FALSE(settings.Exists(entry.id));
        std::string text = "x";
        EXPECT_FALSE(settings.Get(entry.id, text));
        EXPECT_EQ(text, "x");
        const bool textKind = entry.kind == SettingKind::Text || entry.kind == SettingKind::TextNumber ||
                              entry.kind == SettingKind::TextDeletedWhenEmpty ||
                              entry.kind == SettingKind::TextWrittenWhenSet;
        if (textKind) {
            EXPECT_EQ(settings.ReadText(entry.id), entry.absent.text);
        } else {
            EXPECT_EQ(settings.ReadInt(entry.id), entry.absent.number);
        }
    }
    EXPECT_TRUE(settings.ReadFlag(Setting::Explorer));
    EXPECT_FALSE(settings.ReadFlag(Setting::Drucker));
    EXPECT_EQ(settings.ReadText(Setting::Klicker), "1");
}

TEST_F(SettingsTest, StoredValuesWinOverDefaults) {
    const struct {
        Setting id;
        RegData stored;
        std::int32_t number;
        std::string text;
    } cases[] = {
        {Setting::Explorer, Dword(0), 0, "0"},
        {Setting::Maustaste, Dword(3), 3, "3"},
        {Setting::Maustaste, Sz("links"), 0, "links"},  // not numeric: the first entry
        {Setting::Encoder, Sz("1"), 1, "1"},            // the close sequence stores the run flag as text
        {Setting::Themes, {RegType::Dword, std::string("\x40\x9C\0\0", 4)}, 40000, "40000"},
        {Setting::Running, Sz("4"), 4, "4"},
        {Setting::ALizenz0, Sz("Verein, "), 0, "Verein, "},
        {Setting::ALizenz0, Sz(""), 0, ""},
        {Setting::Database,
         {RegType::ExpandSz, std::string("%PUBLIC%\\Orvintal\\\0", 19)},
         0,
         "C:\\Users\\Public\\Orvintal\\"},
    };
    kernel.environment["PUBLIC"] = "C:\\Users\\Public";
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(EntryOf(c.id).name) + " = " + c.text);
        Put(c.id, c.stored);
        EXPECT_TRUE(settings.Exists(c.id));
        EXPECT_EQ(settings.ReadInt(c.id), c.number);
        EXPECT_EQ(settings.ReadText(c.id), c.text);
    }
}

enum class Op { Int, Text, Delete };

TEST_F(SettingsTest, WritesFollowTheKindOfTheValue) {
    const auto kGone = std::optional<RegData>();
    const struct {
        const char* label;
        Setting id;
        std::optional<RegData> before;
        Op op;
        std::int16_t number;
        const char* text;
        bool result;
        std::optional<RegData> after;
    } cases[] = {
        {"unchecked flag stays as 0", Setting::Explorer, Dword(1), Op::Int, 0, "", true, Dword(0)},
        {"bar-code key on", Setting::FindListUser, kGone, Op::Int, 1, "", true, Dword(1)},
        {"bar-code key off deletes", Setting::FindListUser, Dword(1), Op::Int, 0, "", true, kGone},
        {"empty viewer deletes", Setting::PdfViewer, Sz("C:\\pdf.exe"), Op::Text, 0, "", true, kGone},
        {"viewer path", Setting::PdfViewer, kGone, Op::Text, 0, "C:\\pdf.exe", true, Sz("C:\\pdf.exe")},
        {"empty forms folder keeps", Setting::Formulare, Sz("F:\\"), Op::Text, 0, "", true, Sz("F:\\")},
        {"counter as text", Setting::Running, kGone, Op::Int, 5, "", true, Sz("5")},
        {"run flag from text", Setting::Encoder, Dword(1), Op::Text, 0, "0", true, Dword(0)},
        {"run flag from a word", Setting::Encoder, Dword(1), Op::Text, 0, "ja", false, Dword(1)},
        {"number beyond 16 bits", Setting::Themes, kGone, Op::Text, 0, "40000", false, kGone},
        {"marker is never written", Setting::StopError, kGone, Op::Int, 1, "", false, kGone},
        {"marker deleted", Setting::StopError, Sz("1"), Op::Delete, 0, "", true, kGone},
        {"delete of a missing value", Setting::Quickload, kGone, Op::Delete, 0, "", false, kGone},
        {"umlaut name", Setting::Fristwaechter, kGone, Op::Text, 0, "01.02.2024", true, Sz("01.02.2024")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        if (c.before) {
            Put(c.id, *c.before);
        } else {
            registry.DeleteValue(kSettingsKey.root, kSettingsKey.path, std::string(EntryOf(c.id).name));
        }
        const bool result = c.op == Op::Int    ? settings.WriteInt(c.id, c.number)
                            : c.op == Op::Text ? settings.WriteText(c.id, c.text)
                                               : settings.Delete(c.id);
        EXPECT_EQ(result, c.result);
        const auto after = Stored(c.id);
        ASSERT_EQ(after.has_value(), c.after.has_value());
        if (after) {
            EXPECT_EQ(after->type, c.after->type);
            EXPECT_EQ(after->bytes, c.after->bytes);
        }
    }
    EXPECT_TRUE(registry.QueryValue(kSettingsKey.root, kSettingsKey.path, "Fristw\xE4" "chter").has_value());
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
        EXPECT_EQ(settings.ReadText(Setting::Version_A), "0.00");
    }
}

}  // namespace
}  // namespace kolvane
