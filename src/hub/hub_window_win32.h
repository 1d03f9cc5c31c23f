#pragma once
// The hidden hub window `Root` with its command box `Text1` and its picture box `Symbol`, registered
// under the window classes by which the suite's programs find them.
#include <windows.h>

#include <functional>
#include <string>

namespace kolvane {

struct HubWindows {
    HWND Root = nullptr;
    HWND Text1 = nullptr;
    HWND Symbol = nullptr;
    // The change event of `Text1`: runs only when a text really changed the box.
    std::function<void(const std::string&)> onCommand;
};

// Creates the three windows, hidden; false when the system refuses a class or a window.
bool CreateHubWindows(HINSTANCE instance, HubWindows& windows);

}  // namespace kolvane
