#include "store/member_record.h"

namespace kolvane {

std::string MemberSection(int number) {
    if (number < 0) return {};
    std::string digits = std::to_string(number);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return digits;
}

}  // namespace kolvane
