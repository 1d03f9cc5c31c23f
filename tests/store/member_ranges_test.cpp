#include "store/member_ranges.h"

#include <gtest/gtest.h>

#include "store/member_record.h"

namespace kolvane {
namespace {

TEST(MemberRanges, NumbersOfOneToFourDigitsCountOthersTakeTheirFallback) {
    struct Case {
        const char* what;
        std::array<std::string_view, 4> values;
        MemberRanges expected;
    };
    const Case cases[] = {
        {"all missing", {"", "", "", ""}, {1, 999, 1000, 1999}},
        {"as the options dialog writes them", {"001", "890", "895", "1999"}, {1, 890, 895, 1999}},
        {"A1 missing, A2 text, B missing", {"", "abc", "", ""}, {1, 999, 1000, 1999}},
        {"A1 stored as 000 is the header", {"000", "999", "1000", "1999"}, {1, 999, 1000, 1999}},
        {"A1 stored as 0", {"0", "50", "60", "70"}, {1, 50, 60, 70}},
        {"four digits", {"9000", "9998", "5", "9999"}, {9000, 9998, 5, 9999}},
        {"five digits are no member number", {"10000", "99999", "01000", "1999"}, {1, 999, 1000, 1999}},
        {"leading zeros within four digits", {"0007", "0999", "1000", "1999"}, {7, 999, 1000, 1999}},
        {"signs and blanks are not numbers", {"+5", "-9", " 12", "12 "}, {1, 999, 1000, 1999}},
        {"decimal point and exponent", {"1.5", "1e3", "0x10", "12a"}, {1, 999, 1000, 1999}},
        // Only ASCII digits: the superscripts and fractions of code page 1252 are not numbers.
        {"non-ASCII digits", {"\xB2", "\xB9", "\xB3", "1\xBD"}, {1, 999, 1000, 1999}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(ParseMemberRanges(c.values), c.expected);
    }
}

TEST(MemberRanges, MemberSectionsHaveAtLeastThreeDigits) {
    struct Case {
        int number;
        const char* section;
    };
    const Case cases[] = {{0, "000"},   {7, "007"},     {42, "042"},   {99, "099"},       {100, "100"},
                          {999, "999"}, {1000, "1000"}, {1999, "1999"}, {9999, "9999"}, {-1, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(MemberSection(c.number), c.section);
    }
}

}  // namespace
}  // namespace kolvane
