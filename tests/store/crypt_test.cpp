#include "store/crypt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace kolvane {
namespace {

// With the key "3964" the masks are 0x93, 0x99, 0x96, 0x94, repeated from the fifth character on.
TEST(Crypt, ScramblesToBytesWorkedOutByHand) {
    const std::optional<std::string> no;
    const struct {
        const char* what;
        std::string text, key;
        std::optional<std::string> scrambled, back;
    } cases[] = {
        {"Muessig: one past the key", "\x4D\xFC\xDF\x69\x67", "3964", "\xDE\x65\x49\xFD\xF4", "\x4D\xFC\xDF\x69\x67"},
        {"Joerg Weiss: the key twice and once more", "\x4A\xF6\x72\x67\x20\x57\x65\x69\xDF", "3964",
         "\xD9\x6F\xE4\xF3\xB3\xCE\xF3\xFD\x4C", "\x4A\xF6\x72\x67\x20\x57\x65\x69\xDF"},
        {"tab: scrambles to 0x90, which unscrambles to a tab and is rejected", "A\tB", "3964", "\xD2\x90\xD4", no},
        {"empty text", "", "3964", "", ""},
        {"euro sign: 0x80 ^ 0x96 = 0x16", "5 \x80", "3964", no, no},
        {"typographic quote: 0x93 ^ 0x93 = 0, the four before it are not returned", "Test\x93", "3964", no, no},
        {"key code 255: mask 351 ^ 0x41 is above 255", "A", "\xFF", no, no},
        {"empty key", "abc", "", no, no},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Crypt(c.text, c.key), c.scrambled);
        if (c.scrambled) { EXPECT_EQ(Crypt(*c.scrambled, c.key), c.back); }
    }
}

// The scrambler works on 8 bytes at a time where the key repeats within them and on the last few bytes
// as one word filled up: every length around those words, every place of a rejected byte and keys of
// every length (with codes of 160 or more past the text's end) give what the rule gives, and read back.
TEST(Crypt, AgreesWithTheRuleAndReadsBackForEveryLengthKeyAndPlaceOfARejection) {
    auto byTheRule = [](const std::string& text, const std::string& key) -> std::optional<std::string> {
        std::string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const int v = (static_cast<unsigned char>(key[i % key.size()]) + 96) ^ static_cast<unsigned char>(text[i]);
            if (v < 32 || v > 255) return std::nullopt;
            out.push_back(static_cast<char>(v));
        }
        return out;
    };
    std::mt19937 random(1964);
    for (const std::string key : {"3964", "7", "12", "12345678", "123", "123456789", "\x9F", "\xA0", "39\xFF" "4",
                                  "3\xA0", "3964\xB0\xB0\xB0\xB0"}) {
        for (std::size_t length = 0; length <= 40; ++length) {
            std::string text;
            for (std::size_t i = 0; i < length; ++i) text.push_back(static_cast<char>(32 + random() % 224));
            std::vector<std::string> texts{text};
            for (std::size_t at = 0; at < length; ++at) {
                for (int result : {31, 32}) {  // the byte that unscrambles to 31 at this place, and one to 32
                    texts.push_back(text);
                    texts.back()[at] = static_cast<char>(((static_cast<unsigned char>(key[at % key.size()]) + 96) ^ result));
                }
            }
            for (const std::string& t : texts) {
                SCOPED_TRACE(testing::PrintToString(key) + " " + testing::PrintToString(t));
                const std::optional<std::string> expected = byTheRule(t, key);
                ASSERT_EQ(Crypt(t, key), expected);
                std::string into = "left over";
                ASSERT_EQ(CryptInto(t, into, key), expected.has_value());
                ASSERT_EQ(into, expected.value_or(""));
                if (expected && std::ranges::none_of(t, [](unsigned char b) { return b < 32; })) {
                    ASSERT_EQ(Crypt(*expected, key), t);
                }
            }
        }
    }
}

}  // namespace
}  // namespace kolvane
