#pragma once
// Windows of this and other processes through user32. Texts go through the A messages, so the bytes of a
// Windows-1252 text reach the other program unchanged.
#include <windows.h>

#include "platform/windows.h"

namespace kolvane {

inline HWND ToHwnd(WindowId window) { return reinterpret_cast<HWND>(window); }
inline WindowId ToWindowId(HWND window) { return reinterpret_cast<WindowId>(window); }

class Win32Windows final : public Windows {
public:
    WindowId Find(const std::optional<std::string>& windowClass, const std::optional<std::string>& caption) override;
    WindowId FindChild(WindowId parent, WindowId after, const std::optional<std::string>& windowClass,
                       const std::optional<std::string>& caption) override;
    // Asks the window itself (WM_GETTEXT), so that the text box of another program answers too; a window
    // that does not answer within a few seconds reads as the empty text.
    std::string GetText(WindowId window) override;
    // WM_SETTEXT, waiting a few seconds at most for a receiver that is busy; the text is delivered even
    // when the wait ends first.
    bool SetText(WindowId window, const std::string& text) override;
    void SetForeground(WindowId window) override;
    void Show(WindowId window, ShowState state) override;
    // Shown at once and kept over the program's windows that ask ShowChosenPointer on WM_SETCURSOR.
    void SetPointer(MousePointer pointer) override;
    ScreenSize Screen() override;
    std::vector<Monitor> Monitors() override;
};

// For WM_SETCURSOR: shows the busy pointer while one is chosen and returns true; false leaves the
// window's own cursor.
bool ShowChosenPointer();

}  // namespace kolvane
