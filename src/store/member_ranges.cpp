#include "store/member_ranges.h"

#include <charconv>

#include "platform/text.h"

namespace kolvane {

namespace {

constexpr std::size_t kMaxMemberDigits = 4;

int Number(std::string_view text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

MemberRanges ParseMemberRanges(const std::array<std::string_view, 4>& values) {
    MemberRanges ranges;
    for (std::size_t i = 0; i < kRangeKeys.size(); ++i) {
        const std::string_view value = values[i];
        const bool numeric = IsDigits(value) && value.size() <= kMaxMemberDigits;
        ranges.*kRangeKeys[i].field = Number(numeric ? value : kRangeKeys[i].fallback);
    }
    if (ranges.A1 == 0) ranges.A1 = 1;
    return ranges;
}

}  // namespace kolvane
