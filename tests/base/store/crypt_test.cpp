#include "store/crypt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace kolvane {
namespace {

// The scrambler works on 8 bytes at a time where the key repeats within them and on the last few bytes
// as one word filled up: every length around those words, every place of a rejected byte and keys of
// every length (with codes of 160 or more past the text's end) give what the rule gives, and read back;
// an empty key scrambles nothing rather than dividing by its length.
TEST(Crypt, AgreesWithTheRuleAndReadsBackForEveryLengthKeyAndPlaceOfARejection) {
    EXPECT_EQ(Crypt("abc", ""), std::nullopt) << "no key";
    std::mt19937 random(1964);
    for (const std::string key : {"3964", "7", "12", "12345678", "123", "123456789", "\x9F", "\xA0", "39\xFF" "4",
                                  "3\xA0", "3964\xB0\xB0\xB0\xB0"}) {
        auto mask = [&](std::size_t at) { return static_cast<unsigned char>(key[at % key.size()]) + 96; };
        for (std::size_t length = 0; length <= 40; ++length) {
            std::string text;
            for (std::size_t i = 0; i < length; ++i) text.push_back(static_cast<char>(32 + random() % 224));
            std::vector<std::string> texts{text};
            for (std::size_t at = 0; at < 2 * length; ++at) {  // the byte that unscrambles to 31 here, and one to 32
                texts.push_back(text);
                texts.back()[at / 2] = static_cast<char>(mask(at / 2) ^ (31 + at % 2));
            }
            for (const std::string& t : texts) {
                std::optional<std::string> expected = "";  // the rule, one position at a time
                for (std::size_t i = 0; i < t.size() && expected; ++i) {
                    const int v = mask(i) ^ static_cast<unsigned char>(t[i]);
                    expected = v < 32 || v > 255 ? std::nullopt : std::optional(*expected + static_cast<char>(v));
                }
                std::string into = "left over";
                ASSERT_EQ(Crypt(t, key), expected) << testing::PrintToString(key) << " " << testing::PrintToString(t);
                ASSERT_EQ(std::pair(CryptInto(t, into, key), into), std::pair(expected.has_value(), expected.value_or("")));
                const bool storable = std::ranges::none_of(t, [](unsigned char b) { return b < 32; });
                if (expected && storable) { ASSERT_EQ(Crypt(*expected, key), t) << "reads back"; }
            }
        }
    }
}

}  // namespace
}  // namespace kolvane
