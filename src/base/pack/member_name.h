#pragma once
// Which member names a pack may carry. A name is written as a file into the target folder, so it must
// be one plain file name there: no drive, folder or parent step, no device, nothing Windows would alter.
#include <string_view>

namespace kolvane {

bool IsSafeMemberName(std::string_view name);

}  // namespace kolvane
