#include "settings/settings_table.h"

#include <gtest/gtest.h>

#include "platform/text.h"

namespace kolvane {
namespace {

bool IsIntegerKind(SettingKind kind) {
    return kind == SettingKind::Flag || kind == SettingKind::FlagDeletedWhenOff || kind == SettingKind::Index ||
           kind == SettingKind::Number;
}

// Copied by hand from the table of values, independently of the code, to catch a slip in a name, a kind
// or a default: every kind, the names with umlauts, and the defaults that other programs rely on.
TEST(SettingsTable, SampleMatchesTheDocumentedValues) {
    constexpr std::int32_t kNoNumber = -1;
    const struct {
        Setting id;
        const char* name;
        SettingKind kind;
        std::int32_t number;  // default of an integer kind, kNoNumber when none
        const char* text;     // default of a text kind, nullptr when none
    } cases[] = {
        {Setting::Oeffnen, "\xD6" "ffnen", SettingKind::Flag, 0, nullptr},
        {Setting::Menueanzeige, "Men\xFC" "anzeige", SettingKind::Flag, 1, nullptr},
        {Setting::FindListUser, "FindListUser", SettingKind::FlagDeletedWhenOff, 0, nullptr},
        {Setting::NoInfoSound, "NoInfoSound", SettingKind::Flag, 1, nullptr},
        {Setting::StartApp, "StartApp", SettingKind::Index, 0, nullptr},
        {Setting::Steuererklaerung, "Steuererkl\xE4rung", SettingKind::Flag, 1, nullptr},
        {Setting::Drucker, "Drucker", SettingKind::Flag, 0, nullptr},
        {Setting::ALizenz0, "ALizenz0", SettingKind::Text, kNoNumber, "Kelmsdorfer Lohnsteuerberatung"},
        {Setting::PdfEditor, "PdfEditor", SettingKind::TextDeletedWhenEmpty, kNoNumber, ""},
        {Setting::Belege, "Belege", SettingKind::TextDeletedWhenEmpty, kNoNumber, nullptr},
        {Setting::NoKillIHP, "NoKillIHP", SettingKind::Flag, 1, nullptr},
        {Setting::OneCalendar, "OneCalendar", SettingKind::Flag, kNoNumber, nullptr},
        {Setting::AutoTaxTime, "AutoTaxTime", SettingKind::Index, 0, nullptr},
        {Setting::Formulare, "Formulare", SettingKind::TextWrittenWhenSet, kNoNumber, ""},
        {Setting::Database, "Database", SettingKind::Text, kNoNumber, nullptr},
        {Setting::DBMdbKey, "DBMdbKey", SettingKind::Marker, kNoNumber, nullptr},
        {Setting::Running, "Running", SettingKind::TextNumber, kNoNumber, nullptr},
        {Setting::Version_A, "Version_A", SettingKind::Text, kNoNumber, "0.00"},
        {Setting::Fristwaechter, "Fristw\xE4" "chter", SettingKind::Text, kNoNumber, nullptr},
        {Setting::Erklaerungen, "Erkl\xE4rungen", SettingKind::Text, kNoNumber, nullptr},
        {Setting::UpdPackage, "UpdPackage", SettingKind::Text, kNoNumber, "000"},
        {Setting::DB_IHP, "DB_IHP", SettingKind::TextNumber, kNoNumber, nullptr},
        {Setting::ReceiptColor, "ReceiptColor", SettingKind::Number, 1, nullptr},
        {Setting::PortalUrl, "PortalUrl", SettingKind::Text, kNoNumber, "https://www.elster.de"},
        {Setting::MapUrl, "MapUrl", SettingKind::Text, kNoNumber, "https://www.openstreetmap.org"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SettingEntry& entry = EntryOf(c.id);
        EXPECT_EQ(entry.id, c.id);
        EXPECT_EQ(entry.name, c.name);
        EXPECT_EQ(entry.kind, c.kind);
        const bool hasDefault = c.number != kNoNumber || c.text != nullptr;
        ASSERT_EQ(entry.absent.present, hasDefault);
        if (c.number != kNoNumber) {
            EXPECT_EQ(entry.absent.number, c.number);
        }
        if (c.text) {
            EXPECT_EQ(entry.absent.text, c.text);
        }
        EXPECT_EQ(entry.owner, c.id == Setting::PortalUrl || c.id == Setting::MapUrl ? SettingOwner::Hub
                                                                                     : SettingOwner::Suite);
    }
}

TEST(SettingsTable, NoTwoValuesShareAName) {
    const auto all = AllSettings();
    ASSERT_EQ(all.size(), kSettingCount);
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j)
            EXPECT_FALSE(EqualsNoCase(all[i].name, all[j].name)) << all[i].name;
}

TEST(SettingsTable, EveryLineIsConsistentWithItsKind) {
    for (const SettingEntry& entry : AllSettings()) {
        SCOPED_TRACE(std::string(entry.name));
        EXPECT_FALSE(entry.name.empty());
        // Windows-1252 only: a UTF-8 lead byte of an umlaut would mean the literal was not converted.
        EXPECT_EQ(entry.name.find('\xC3'), std::string_view::npos);
        if (IsIntegerKind(entry.kind)) {
            EXPECT_TRUE(entry.absent.text.empty());
        } else {
            EXPECT_EQ(entry.absent.number, 0);
        }
        if (entry.kind == SettingKind::Flag && entry.absent.present) {
            EXPECT_TRUE(entry.absent.number == 0 || entry.absent.number == 1);
        }
        if (entry.kind == SettingKind::Marker) {
            EXPECT_FALSE(entry.absent.present);
        }
    }
}

}  // namespace
}  // namespace kolvane
