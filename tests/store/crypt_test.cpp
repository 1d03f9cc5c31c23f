#include "store/crypt.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <vector>

namespace kolvane {
namespace {

// Texts as code-page-1252 byte values, so the expectations do not depend on how a literal is encoded.
std::string Bytes(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s.push_back(static_cast<char>(c));
    return s;
}

// With the key "3964" the masks are 0x93, 0x99, 0x96, 0x94, repeated from the fifth character on.
TEST(Crypt, ScramblesToBytesWorkedOutByHand) {
    struct Case {
        const char* what;
        std::string plain;
        std::string scrambled;
        bool readsBack;
    };
    const Case cases[] = {
        {"Muessig: u-umlaut and sharp s, one character past the key",
         Bytes({0x4D, 0xFC, 0xDF, 0x69, 0x67}), Bytes({0xDE, 0x65, 0x49, 0xFD, 0xF4}), true},
        {"Joerg Weiss: nine characters, the key used twice and once more",
         Bytes({0x4A, 0xF6, 0x72, 0x67, 0x20, 0x57, 0x65, 0x69, 0xDF}),
         Bytes({0xD9, 0x6F, 0xE4, 0xF3, 0xB3, 0xCE, 0xF3, 0xFD, 0x4C}), true},
        {"aaaaa: the fifth position takes the first key character again",
         Bytes({0x61, 0x61, 0x61, 0x61, 0x61}), Bytes({0xF2, 0xF8, 0xF7, 0xF5, 0xF2}), true},
        // The tab scrambles to 0x90, which unscrambles to 0x09 again and is then rejected.
        {"tab", Bytes({0x41, 0x09, 0x42}), Bytes({0xD2, 0x90, 0xD4}), false},
        {"empty text, no rejection", "", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Crypt(c.plain), c.scrambled);
        const std::optional<std::string> back = c.readsBack ? std::optional(c.plain) : std::nullopt;
        EXPECT_EQ(Crypt(c.scrambled), back);
    }
}

TEST(Crypt, RejectsCodesOutsideTheAllowedRange) {
    struct Case {
        const char* what;
        std::string text;
        std::string key;
    };
    const Case cases[] = {
        // Euro sign 0x80 at position 3: 0x80 ^ 0x96 = 0x16.
        {"euro sign", Bytes({0x35, 0x20, 0x80}), "3964"},
        // Typographic quote 0x93 at position 5: 0x93 ^ 0x93 = 0; the four good characters are not returned.
        {"typographic quote as last character", Bytes({0x54, 0x65, 0x73, 0x74, 0x93}), "3964"},
        {"long dash", Bytes({0x61, 0x97}), "3964"},
        // A key code of 255 gives the mask 351: 351 ^ 0x41 = 0x11E, above 255.
        {"result above 255", Bytes({0x41}), Bytes({0xFF})},
        {"empty key", "abc", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Crypt(c.text, c.key), std::nullopt);
    }
}

TEST(Crypt, IsItsOwnInverseForEveryStorableCodeAtEveryKeyPosition) {
    for (int position = 0; position < 4; ++position) {
        for (int code = 32; code <= 255; ++code) {
            SCOPED_TRACE(testing::Message() << "position " << position << ", code " << code);
            const std::string plain = std::string(static_cast<std::size_t>(position), 'x') +
                                      static_cast<char>(code);
            const auto scrambled = Crypt(plain);
            const bool inExtraCharacters = code >= 128 && code <= 159;
            ASSERT_EQ(scrambled.has_value(), !inExtraCharacters);
            if (scrambled) {
                EXPECT_EQ(Crypt(*scrambled), plain);
            }
        }
    }
}

// The rule one position at a time, as the suite's programs apply it.
std::optional<std::string> ByTheRule(const std::string& text, const std::string& key) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int v = (static_cast<unsigned char>(key[i % key.size()]) + 96) ^ static_cast<unsigned char>(text[i]);
        if (v < 32 || v > 255) return std::nullopt;
        out.push_back(static_cast<char>(v));
    }
    return out;
}

// The scrambler works on 8 bytes at a time where the key repeats within them; every length around those
// words, every place of a rejected byte and keys of every length give what the rule gives.
TEST(Crypt, AgreesWithTheRuleForEveryLengthKeyAndPlaceOfARejection) {
    std::mt19937 random(1964);
    const std::string keys[] = {"3964", "7", "12", "12345678", "123", "12345", "123456789", "\x9F", "\xA0",
                                "39\xFF" "4", "3\xA0", "3964\xB0\xB0\xB0\xB0"};
    for (const std::string& key : keys) {
        for (std::size_t length = 0; length <= 40; ++length) {
            std::string text;
            for (std::size_t i = 0; i < length; ++i) text.push_back(static_cast<char>(32 + random() % 224));
            std::vector<std::string> texts{text};
            for (std::size_t at = 0; at < length; ++at) {
                // The byte that unscrambles to 31 at this place, and one that gives 32.
                const int mask = static_cast<unsigned char>(key[at % key.size()]) + 96;
                for (int result : {31, 32}) {
                    texts.push_back(text);
                    texts.back()[at] = static_cast<char>((mask ^ result) & 0xFF);
                }
            }
            for (const std::string& t : texts) {
                SCOPED_TRACE(testing::Message() << "key " << testing::PrintToString(key) << ", text "
                                                << testing::PrintToString(t));
                const std::optional<std::string> expected = ByTheRule(t, key);
                ASSERT_EQ(Crypt(t, key), expected);
                std::string into = "left over";
                ASSERT_EQ(CryptInto(t, into, key), expected.has_value());
                ASSERT_EQ(into, expected.value_or(""));
            }
        }
    }
}

TEST(Crypt, RejectionNoticeIsByteExact) {
    const MessageBoxRequest notice = CryptRejectedMessage();
    EXPECT_EQ(notice.title, " Datenbankfehler");
    EXPECT_EQ(notice.text,
              "Der Datensatz wurde nicht gespeichert, weil unerlaubte Zeichen eingef" + Bytes({0xFC}) +
                  "gt wurden. \nBitte entfernen Sie die Zeichen (Sonderzeichen) und speichern sie noch "
                  "einmal. ");
    EXPECT_EQ(notice.buttons, MsgButtons::Ok);
    EXPECT_EQ(notice.icon, MsgIcon::Exclamation);
}

TEST(Crypt, CanStoreOnlyWhatReadsBackUnchanged) {
    struct Case {
        const char* what;
        std::string plain;
        bool storable;
    };
    const Case cases[] = {
        {"empty value", "", true},
        {"name with umlauts", Bytes({0x4D, 0xFC, 0xDF, 0x69, 0x67}), true},
        {"tab: its unscrambling is rejected", Bytes({0x41, 0x09, 0x42}), false},
        {"euro sign: rejected when scrambling", Bytes({0x35, 0x20, 0x80}), false},
        // 0xB3 at position 1 scrambles to a blank, which the INI reader trims.
        {"scrambled form begins with a blank", Bytes({0xB3, 0x61}), false},
        {"scrambled form ends with a blank", Bytes({0x61, 0xB9}), false},
        // 0xB1 / 0xB4 at positions 1 / 3 scramble to double quotes, which the reader strips.
        {"scrambled form in double quotes", Bytes({0xB1, 0x61, 0xB4}), false},
        {"scrambled form in single quotes", Bytes({0xB4, 0xBE}), false},
        {"scrambled form with unlike quotes", Bytes({0xB1, 0xBE}), true},
        {"scrambled form is one quote", Bytes({0xB1}), true},
        {"254 characters", std::string(254, 'a'), true},
        {"255 characters", std::string(255, 'a'), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CanStore(c.plain), c.storable);
    }
}

}  // namespace
}  // namespace kolvane
