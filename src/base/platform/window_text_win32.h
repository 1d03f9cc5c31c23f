#pragma once
// The text of a window or of a dialog's control, as Windows-1252 bytes.
#include <windows.h>

#include <string>

namespace kolvane {

inline std::string WindowTextOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline std::string ItemText(HWND dialog, int id) { return WindowTextOf(GetDlgItem(dialog, id)); }

}  // namespace kolvane
