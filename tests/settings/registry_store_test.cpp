#include "settings/registry_store.h"

#include <gtest/gtest.h>

#include "platform/kernel_memory.h"
#include "platform/registry_memory.h"

namespace kolvane {
namespace {

constexpr RegRoot kLm = RegRoot::LocalMachine;
const std::string kKey = "Software\\Brekkan\\Orvintal";

std::string Bytes(std::initializer_list<unsigned char> list) { return std::string(list.begin(), list.end()); }

class RegistryStore : public ::testing::Test {
protected:
    RegistryStore() {
        registry.CreateKey(kLm, kKey, "");
        kernel.environment = {{"APPDATA", "C:\\Users\\Berater\\AppData\\Roaming"}, {"NR", "7"}};
    }
    MemoryRegistry registry;
    MemoryKernel kernel;
};

TEST_F(RegistryStore, WritesTheThreeKindsByteForByte) {
    const struct {
        const char* label;
        RegValue value;
        RegData stored;
    } cases[] = {
        {"16-bit 0", std::int16_t{0}, {RegType::Dword, Bytes({0, 0, 0, 0})}},
        {"16-bit 1", std::int16_t{1}, {RegType::Dword, Bytes({1, 0, 0, 0})}},
        {"16-bit -1 sign-extended", std::int16_t{-1}, {RegType::Dword, Bytes({0xFF, 0xFF, 0xFF, 0xFF})}},
        {"16-bit max", std::int16_t{32767}, {RegType::Dword, Bytes({0xFF, 0x7F, 0, 0})}},
        {"16-bit min", std::int16_t{-32768}, {RegType::Dword, Bytes({0, 0x80, 0xFF, 0xFF})}},
        {"32-bit", RegBinary32{0x12345678}, {RegType::Binary, Bytes({0x78, 0x56, 0x34, 0x12})}},
        {"32-bit negative", RegBinary32{-2}, {RegType::Binary, Bytes({0xFE, 0xFF, 0xFF, 0xFF})}},
        {"empty text", std::string(), {RegType::Sz, std::string(1, '\0')}},
        {"text", std::string("C:\\Daten\\"), {RegType::Sz, std::string("C:\\Daten\\\0", 10)}},
        {"Windows-1252 text", std::string("Öffnen"), {RegType::Sz, std::string("\xD6" "ffnen\0", 7)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(RegSetSetting(registry, kLm, kKey, "v", c.value));
        const auto data = registry.QueryValue(kLm, kKey, "v");
        ASSERT_TRUE(data.has_value());
        EXPECT_EQ(data->type, c.stored.type);
        EXPECT_EQ(data->bytes, c.stored.bytes);
    }
}

TEST_F(RegistryStore, ReadsWhatPeersStore) {
    const std::int32_t kIntSentinel = -4711;
    const std::string kTextSentinel = "unverändert";
    const struct {
        const char* label;
        RegData stored;
        std::optional<std::int32_t> number;
        std::optional<std::string> text;
    } cases[] = {
        {"dword", {RegType::Dword, Bytes({1, 0, 0, 0})}, 1, "1"},
        {"dword above 16 bits", {RegType::Dword, Bytes({0x00, 0x80, 0, 0})}, 32768, "32768"},
        {"dword -1", {RegType::Dword, Bytes({0xFF, 0xFF, 0xFF, 0xFF})}, -1, "-1"},
        {"short dword zero-extended", {RegType::Dword, Bytes({0x01, 0x01})}, 257, "257"},
        {"binary of 4", {RegType::Binary, Bytes({0x78, 0x56, 0x34, 0x12})}, 0x12345678, "305419896"},
        {"binary of 1 not over-read", {RegType::Binary, Bytes({0x05})}, 5, "5"},
        {"binary of 0", {RegType::Binary, ""}, 0, "0"},
        {"binary of 6 uses 4", {RegType::Binary, Bytes({1, 0, 0, 0, 9, 9})}, 1, "1"},
        {"flag as text 1", {RegType::Sz, std::string("1\0", 2)}, 1, "1"},
        {"number with blanks", {RegType::Sz, std::string(" 12 \0", 5)}, 12, " 12 "},
        {"negative text", {RegType::Sz, std::string("-5\0", 3)}, -5, "-5"},
        {"two signs", {RegType::Sz, std::string("+-5\0", 4)}, std::nullopt, "+-5"},
        {"decimal fraction", {RegType::Sz, std::string("1.5\0", 4)}, std::nullopt, "1.5"},
        {"beyond 32 bits", {RegType::Sz, std::string("99999999999\0", 12)}, std::nullopt, "99999999999"},
        {"word", {RegType::Sz, std::string("abc\0", 4)}, std::nullopt, "abc"},
        {"empty text", {RegType::Sz, std::string(1, '\0')}, std::nullopt, ""},
        {"text without terminator", {RegType::Sz, "abc"}, std::nullopt, "abc"},
        {"padded", {RegType::Sz, std::string("C:\\Daten\\\0\0\0", 12)}, std::nullopt, "C:\\Daten\\"},
        {"expandable",
         {RegType::ExpandSz, std::string("%APPDATA%\\Orvintal\0", 19)},
         std::nullopt,
         "C:\\Users\\Berater\\AppData\\Roaming\\Orvintal"},
        {"expandable unknown variable", {RegType::ExpandSz, std::string("%UNSET%\0", 8)}, std::nullopt, "%UNSET%"},
        {"expandable number", {RegType::ExpandSz, std::string("%NR%\0", 5)}, 7, "7"},
        {"multi-string gives its first", {RegType::MultiSz, std::string("eins\0zwei\0\0", 11)}, std::nullopt, "eins"},
        {"no type", {RegType::None, "x"}, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        registry.Put(kLm, kKey, "v", c.stored);
        std::int32_t number = kIntSentinel;
        EXPECT_EQ(RegGetSetting(registry, kernel, kLm, kKey, "v", number), c.number.has_value());
        EXPECT_EQ(number, c.number.value_or(kIntSentinel));
        std::string text = kTextSentinel;
        EXPECT_EQ(RegGetSetting(registry, kernel, kLm, kKey, "v", text), c.text.has_value());
        EXPECT_EQ(text, c.text.value_or(kTextSentinel));
    }
}

// Nothing there: reads leave the caller's value, writes and deletes fail and create nothing.
TEST_F(RegistryStore, WhatIsNotThereIsNeitherReadNorCreated) {
    std::int32_t number = 3;
    std::string text = "bisher";
    EXPECT_FALSE(RegGetSetting(registry, kernel, kLm, kKey, "Fehlt", number));
    EXPECT_FALSE(RegGetSetting(registry, kernel, kLm, kKey + "\\Fehlt", "v", text));
    EXPECT_EQ(number, 3);
    EXPECT_EQ(text, "bisher");
    EXPECT_FALSE(RegSetSetting(registry, kLm, "Software\\Brekkan\\Fehlt", "v", std::string("x")));
    EXPECT_FALSE(registry.HasKey(kLm, "Software\\Brekkan\\Fehlt"));
    EXPECT_FALSE(RegDeleteSetting(registry, kLm, kKey, "Fehlt"));
    EXPECT_FALSE(RegDeleteSetting(registry, kLm, kKey + "\\Fehlt", "v"));
    ASSERT_TRUE(RegSetSetting(registry, kLm, kKey, "v", std::string("x")));
    EXPECT_TRUE(RegDeleteSetting(registry, kLm, kKey, "v"));
    EXPECT_FALSE(registry.QueryValue(kLm, kKey, "v").has_value());
}

TEST_F(RegistryStore, CreateKeyIsTrueOnlyForANewKey) {
    EXPECT_TRUE(RegCreateKey(registry, kLm, "Software\\Brekkan\\Neu", ""));
    EXPECT_TRUE(RegKeyExists(registry, kLm, "Software\\Brekkan\\Neu"));
    EXPECT_FALSE(RegCreateKey(registry, kLm, "Software\\Brekkan\\Neu", ""));
    EXPECT_TRUE(RegSetSetting(registry, kLm, "Software\\Brekkan\\Neu", "v", std::int16_t{1}));  // still usable
    EXPECT_FALSE(RegKeyExists(registry, kLm, "Software\\Brekkan\\Anders"));
}

TEST_F(RegistryStore, WithoutAdministrativeRightsWritesFailAndTheOldValueStays) {
    ASSERT_TRUE(RegSetSetting(registry, kLm, kKey, "v", std::string("alt")));
    registry.SetReadOnly(kLm, "Software", true);
    EXPECT_FALSE(RegSetSetting(registry, kLm, kKey, "v", std::string("neu")));
    EXPECT_FALSE(RegDeleteSetting(registry, kLm, kKey, "v"));
    EXPECT_FALSE(RegCreateKey(registry, kLm, kKey + "\\Unter", ""));
    std::string text;
    EXPECT_TRUE(RegGetSetting(registry, kernel, kLm, kKey, "v", text));
    EXPECT_EQ(text, "alt");
}

}  // namespace
}  // namespace kolvane
