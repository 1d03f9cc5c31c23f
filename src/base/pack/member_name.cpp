#include "pack/member_name.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/text.h"

namespace kolvane {
namespace {

constexpr std::size_t kLongestName = 255;
// Colon covers drives and alternate data streams, the slashes cover folders.
constexpr std::string_view kForbiddenCharacters = "<>:\"/\\|?*";

// Windows opens these devices whatever folder or extension the name carries ("C:\x\NUL.txt" is NUL).
// The superscript digits are written as their code-page bytes so that every compiler reads them alike.
constexpr std::array<std::string_view, 32> kDeviceNames = {
    "CON",  "PRN",  "AUX",  "NUL",  "CONIN$", "CONOUT$", "COM0",    "COM1",    "COM2", "COM3", "COM4",
    "COM5", "COM6", "COM7", "COM8", "COM9",   "COM\xB9", "COM\xB2", "COM\xB3", "LPT0", "LPT1", "LPT2",
    "LPT3", "LPT4", "LPT5", "LPT6", "LPT7",   "LPT8",    "LPT9",    "LPT\xB9", "LPT\xB2", "LPT\xB3",
};

bool IsDeviceName(std::string_view name) {
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
    const std::string upper = ToUpper(base);
    return std::find(kDeviceNames.begin(), kDeviceNames.end(), upper) != kDeviceNames.end();
}

}  // namespace

bool IsSafeMemberName(std::string_view name) {
    if (name.empty() || name.size() > kLongestName) return false;
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 32 || kForbiddenCharacters.find(c) != std::string_view::npos)
            return false;
    }
    // Windows drops trailing dots and blanks, so "A.TXT." would land on "A.TXT".
    if (name.back() == '.' || name.back() == ' ') return false;
    return name.find("..") == std::string_view::npos && !IsDeviceName(name);
}

}  // namespace kolvane
