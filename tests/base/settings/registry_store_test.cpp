#include "settings/registry_store.h"

#include <gtest/gtest.h>

#include "platform/kernel_memory.h"
#include "platform/registry_memory.h"

namespace kolvane {
namespace {

constexpr RegRoot kLm = RegRoot::LocalMachine;
const std::string kKey = "Software\\Brekkan\\Orvintal";

RegData Raw(RegType type, std::string_view bytes) { return {type, std::string(bytes)}; }

// What the store writes, byte for byte, and what peers store, read back as a number and as a text; a
// failed read leaves the variable as it was.
TEST(RegistryStore, WritesTheThreeKindsAndReadsWhatPeersStore) {
    MemoryRegistry registry;
    MemoryKernel kernel;
    registry.CreateKey(kLm, kKey, "");
    kernel.environment = {{"APPDATA", "C:\\Users\\B\\AppData"}};
    const std::optional<RegValue> peer;
    const std::optional<std::int32_t> noNumber;
    const struct { std::optional<RegValue> written; RegData stored; std::optional<std::int32_t> number;
                   std::optional<std::string> text; } cases[] = {
        {std::int16_t{-1}, Raw(RegType::Dword, "\xFF\xFF\xFF\xFF"), -1, "-1"},  // sign-extended
        {RegBinary32{-2}, Raw(RegType::Binary, "\xFE\xFF\xFF\xFF"), -2, "-2"},
        {std::string("\xD6" "ffnen"), Raw(RegType::Sz, {"\xD6" "ffnen\0", 7}), noNumber, "\xD6" "ffnen"},
        {peer, Raw(RegType::Dword, "\x01\x01"), 257, "257"},  // short: zero-extended, never over-read
        {peer, Raw(RegType::Sz, {" +12 \0", 6}), 12, " +12 "},
        {peer, Raw(RegType::Sz, "  "), noNumber, "  "},  // blanks only, without terminator
        {peer, Raw(RegType::ExpandSz, {"%APPDATA%\\O;%UNSET%\0", 20}), noNumber, "C:\\Users\\B\\AppData\\O;%UNSET%"},
        {peer, Raw(RegType::MultiSz, {"eins\0zwei\0\0", 11}), noNumber, "eins"},
        {peer, Raw(RegType::None, "x"), noNumber, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.stored.bytes));
        if (c.written) { ASSERT_TRUE(RegSetSetting(registry, kLm, kKey, "v", *c.written)); } else { registry.Put(kLm, kKey, "v", c.stored); }
        const auto stored = registry.QueryValue(kLm, kKey, "v");
        EXPECT_EQ(std::pair(stored->type, stored->bytes), std::pair(c.stored.type, c.stored.bytes));
        std::int32_t number = -4711;
        std::string text = "unchanged";
        EXPECT_EQ(std::pair(RegGetSetting(registry, kernel, kLm, kKey, "v", number), number), std::pair(c.number.has_value(), c.number.value_or(-4711)));
        EXPECT_EQ(std::pair(RegGetSetting(registry, kernel, kLm, kKey, "v", text), text), std::pair(c.text.has_value(), c.text.value_or("unchanged")));
    }
}

// What is not there is neither read nor created; without administrative rights the old value stays.
TEST(RegistryStore, MissingKeysAndMissingRightsChangeNothing) {
    MemoryRegistry registry;
    EXPECT_FALSE(RegSetSetting(registry, kLm, kKey, "v", std::string("x")));
    EXPECT_FALSE(RegKeyExists(registry, kLm, kKey));
    EXPECT_TRUE(RegCreateKey(registry, kLm, kKey, ""));
    EXPECT_FALSE(RegCreateKey(registry, kLm, kKey, "")) << "true only for a new key";
    EXPECT_FALSE(RegDeleteSetting(registry, kLm, kKey, "v"));
    ASSERT_TRUE(RegSetSetting(registry, kLm, kKey, "v", std::string("alt")));
    registry.SetReadOnly(kLm, "Software", true);
    EXPECT_FALSE(RegSetSetting(registry, kLm, kKey, "v", std::string("neu")));
    EXPECT_FALSE(RegDeleteSetting(registry, kLm, kKey, "v"));
    EXPECT_FALSE(RegCreateKey(registry, kLm, kKey + "\\Unter", ""));
    EXPECT_EQ(registry.QueryValue(kLm, kKey, "v")->bytes, std::string("alt\0", 4));
}

}  // namespace
}  // namespace kolvane
