#pragma once
// The off-screen window `TraySymbol`, which every window of the otherwise invisible hub takes as its owner.
#include <windows.h>

namespace kolvane {

// While a dialog of the hub is open, this window is the dialog's owner with a button in the task bar. Shown
// while this object lives. It is a window of the hub window's class, which the hub registers at its start.
class TraySymbolWindow {
public:
    explicit TraySymbolWindow(HINSTANCE instance);
    ~TraySymbolWindow();
    TraySymbolWindow(const TraySymbolWindow&) = delete;
    TraySymbolWindow& operator=(const TraySymbolWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_;
};

}  // namespace kolvane
