#pragma once
// The hidden hub window `Root` with its command box `Text1` and its picture box `Symbol`, registered
// under the window classes by which the suite's programs and the shell reach them, and the window
// messages that drive the hub: commands, icon events, timer ticks, a new task bar, close, log-off, resize.
#include <windows.h>

#include "hub/hub.h"

namespace kolvane {

struct HubWindows {
    HWND Root = nullptr;
    HWND Text1 = nullptr;
    HWND Symbol = nullptr;
    // Set once the hub exists; until then the windows only do what any window does.
    Hub* hub = nullptr;
};

// Creates the three windows, hidden; false when the system refuses a class or a window. The windows
// keep a pointer to `windows`, which must outlive them.
bool CreateHubWindows(HINSTANCE instance, HubWindows& windows);

// The hook behind `Hub::switchTimer`: the timer's number is the id of a window timer of `Root`.
void SwitchHubTimer(const HubWindows& windows, HubTimer timer, bool on);

}  // namespace kolvane
