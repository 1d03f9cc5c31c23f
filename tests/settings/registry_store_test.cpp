#include "settings/registry_store.h"

#include <gtest/gtest.h>

#include "platform/kernel_memory.h"
#include "platform/registry_memory.h"

namespace kolvane {
namespace {

constexpr RegRoot kLm = RegRoot::LocalMachine;
const std::string kKey = "Software\\Brekkan\\Orvintal";

RegData Raw(RegType type, std::string_view bytes) { return {type, std::string(bytes)}; }

class RegistryStore : public ::testing::Test {
protected:
    RegistryStore() {
        registry.CreateKey(kLm, kKey, "");
        kernel.environment = {{"APPDATA", "C:\\Users\\B\\AppData"}, {"NR", "7"}};
    }
    MemoryRegistry registry;
    MemoryKernel kernel;
};

TEST_F(RegistryStore, WritesTheThreeKindsByteForByte) {
    const struct { RegValue value; RegData stored; } cases[] = {
        {std::int16_t{-1}, Raw(RegType::Dword, "\xFF\xFF\xFF\xFF")},  // sign-extended
        {std::int16_t{32767}, Raw(RegType::Dword, {"\xFF\x7F\0\0", 4})},
        {RegBinary32{-2}, Raw(RegType::Binary, "\xFE\xFF\xFF\xFF")},
        {std::string("\xD6" "ffnen"), Raw(RegType::Sz, {"\xD6" "ffnen\0", 7})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.bytes);
        ASSERT_TRUE(RegSetSetting(registry, kLm, kKey, "v", c.value));
        EXPECT_EQ(registry.QueryValue(kLm, kKey, "v")->bytes, c.stored.bytes);
        EXPECT_EQ(registry.QueryValue(kLm, kKey, "v")->type, c.stored.type);
    }
}

TEST_F(RegistryStore, ReadsWhatPeersStore) {
    const struct { const char* label; RegData stored; std::optional<std::int32_t> number; std::optional<std::string> text; }
        cases[] = {
        {"dword above 16 bits", Raw(RegType::Dword, {"\x00\x80\0\0", 4}), 32768, "32768"},
        {"short dword zero-extended", Raw(RegType::Dword, "\x01\x01"), 257, "257"},
        {"binary of 1 not over-read", Raw(RegType::Binary, "\x05"), 5, "5"},
        {"binary of 0", Raw(RegType::Binary, ""), 0, "0"},
        {"binary of 6 uses 4", Raw(RegType::Binary, {"\x01\0\0\0\x09\x09", 6}), 1, "1"},
        {"number with blanks", Raw(RegType::Sz, {" -12 \0", 6}), -12, " -12 "},
        {"two signs", Raw(RegType::Sz, {"+-5\0", 4}), std::nullopt, "+-5"},
        {"decimal fraction", Raw(RegType::Sz, {"1.5\0", 4}), std::nullopt, "1.5"},
        {"beyond 32 bits", Raw(RegType::Sz, {"99999999999\0", 12}), std::nullopt, "99999999999"},
        {"text without terminator", Raw(RegType::Sz, "abc"), std::nullopt, "abc"},
        {"padded", Raw(RegType::Sz, {"C:\\D\\\0\0\0", 7}), std::nullopt, "C:\\D\\"},
        {"expandable", Raw(RegType::ExpandSz, {"%APPDATA%\\O;%UNSET%\0", 20}), std::nullopt, "C:\\Users\\B\\AppData\\O;%UNSET%"},
        {"expandable number", Raw(RegType::ExpandSz, {"%NR%\0", 5}), 7, "7"},
        {"multi-string gives its first", Raw(RegType::MultiSz, {"eins\0zwei\0\0", 11}), std::nullopt, "eins"},
        {"no type", Raw(RegType::None, "x"), std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        registry.Put(kLm, kKey, "v", c.stored);
        std::int32_t number = -4711;
        EXPECT_EQ(RegGetSetting(registry, kernel, kLm, kKey, "v", number), c.number.has_value());
        EXPECT_EQ(number, c.number.value_or(-4711));
        std::string text = "unchanged";
        EXPECT_EQ(RegGetSetting(registry, kernel, kLm, kKey, "v", text), c.text.has_value());
        EXPECT_EQ(text, c.text.value_or("unchanged"));
    }
}

// What is not there is neither read nor created; without administrative rights the old value stays.
TEST_F(RegistryStore, MissingKeysAndMissingRightsChangeNothing) {
    std::string text = "bisher";
    EXPECT_FALSE(RegGetSetting(registry, kernel, kLm, kKey + "\\Fehlt", "v", text));
    EXPECT_EQ(text, "bisher");
    EXPECT_FALSE(RegSetSetting(registry, kLm, kKey + "\\Fehlt", "v", std::string("x")));
    EXPECT_FALSE(registry.HasKey(kLm, kKey + "\\Fehlt"));
    EXPECT_FALSE(RegDeleteSetting(registry, kLm, kKey, "Fehlt"));
    EXPECT_TRUE(RegCreateKey(registry, kLm, kKey + "\\Neu", ""));
    EXPECT_FALSE(RegCreateKey(registry, kLm, kKey + "\\Neu", "")) << "true only for a new key";
    EXPECT_TRUE(RegKeyExists(registry, kLm, kKey + "\\Neu"));
    ASSERT_TRUE(RegSetSetting(registry, kLm, kKey, "v", std::string("alt")));
    registry.SetReadOnly(kLm, "Software", true);
    EXPECT_FALSE(RegSetSetting(registry, kLm, kKey, "v", std::string("neu")));
    EXPECT_FALSE(RegDeleteSetting(registry, kLm, kKey, "v"));
    EXPECT_FALSE(RegCreateKey(registry, kLm, kKey + "\\Unter", ""));
    EXPECT_TRUE(RegGetSetting(registry, kernel, kLm, kKey, "v", text));
    EXPECT_EQ(text, "alt");
    registry.SetReadOnly(kLm, "Software", false);
    EXPECT_TRUE(RegDeleteSetting(registry, kLm, kKey, "v"));
}

}  // namespace
}  // namespace kolvane
