#pragma once
// The member number blocks of the association's two advice centres, kept in the header section of the
// member database as "A1" to "A2" (main office, scanned first) and "B1" to "B2" (branch office).
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kolvane {

struct MemberRanges {
    int A1 = 1;
    int A2 = 999;
    int B1 = 1000;
    int B2 = 1999;
    friend bool operator==(const MemberRanges&, const MemberRanges&) = default;
};

// The header keys in the order of the fields, with the text each one falls back to.
struct RangeKey {
    std::string_view key;
    int MemberRanges::*field;
    std::string_view fallback;
};

inline constexpr std::array<RangeKey, 4> kRangeKeys{{
    {"A1", &MemberRanges::A1, "001"},
    {"A2", &MemberRanges::A2, "999"},
    {"B1", &MemberRanges::B1, "1000"},
    {"B2", &MemberRanges::B2, "1999"},
}};

// The suite's programs show and accept member numbers of at most four digits.
inline constexpr std::size_t kMaxMemberDigits = 4;

// A member number as the suite writes it: one to four ASCII digits. Nothing for any other text.
std::optional<int> ParseMemberNumber(std::string_view text);

// A member number as the suite shows it: at least three digits, with leading zeros ("012"); or at least as many
// digits as a text it replaces had ("0100" one up is "0101").
std::string FormatMemberNumber(int number, std::size_t digits = 3);

// The ranges from the four header values as read (plain text, in the order of kRangeKeys). A value
// counts as a number only when it is one to four ASCII digits, as member numbers are; anything else
// (missing, blanks, signs, a fifth digit) takes the fallback. An "A1" of 0 becomes 1: "000" is the
// header, not a member.
MemberRanges ParseMemberRanges(const std::array<std::string_view, 4>& values);

}  // namespace kolvane
