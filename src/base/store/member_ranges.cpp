#include "store/member_ranges.h"

#include <charconv>

#include "platform/text.h"

namespace kolvane {

std::optional<int> ParseMemberNumber(std::string_view text) {
    if (!IsDigits(text) || text.size() > kMaxMemberDigits) return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

MemberRanges ParseMemberRanges(const std::array<std::string_view, 4>& values) {
    MemberRanges ranges;
    for (std::size_t i = 0; i < kRangeKeys.size(); ++i) {
        const std::optional<int> number = ParseMemberNumber(values[i]);
        ranges.*kRangeKeys[i].field = number ? *number : *ParseMemberNumber(kRangeKeys[i].fallback);
    }
    if (ranges.A1 == 0) ranges.A1 = 1;
    return ranges;
}

std::string FormatMemberNumber(int number, std::size_t digits) {
    std::string text = std::to_string(number);
    return text.size() < digits ? std::string(digits - text.size(), '0') + text : text;
}

}  // namespace kolvane
