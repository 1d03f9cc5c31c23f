#pragma once
// Top-level windows of this and other processes, found by class and caption, and the text messages
// the suite's programs exchange. Implemented by windows_win32.cpp and windows_memory.cpp.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kolvane {

using WindowId = std::uintptr_t;  // 0 is no window
inline constexpr WindowId kNoWindow = 0;

// The mouse pointer over the program's own windows: the hourglass tells the user that the hub is busy.
enum class MousePointer { Default, Hourglass, ArrowHourglass };

// ShowWindow numbers, also used as the window style a process starts with.
// The primary screen in pixels.
struct ScreenSize {
    int width = 0;
    int height = 0;
};

// A rectangle on the virtual screen, in pixels; right and bottom lie just outside.
struct ScreenRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// One display: all of it, and its work area (without the task bar and other docked bars).
struct Monitor {
    ScreenRect area;
    ScreenRect workArea;
};

enum class ShowState : int { Hidden = 0, Normal = 1, Minimized = 2, Maximized = 3, NoActivate = 4, Show = 5 };

class Windows {
public:
    virtual ~Windows() = default;
    // FindWindowA: an absent class or caption matches any.
    virtual WindowId Find(const std::optional<std::string>& windowClass, const std::optional<std::string>& caption) = 0;
    // FindWindowExA: the next child of parent after `after` (kNoWindow: the first).
    virtual WindowId FindChild(WindowId parent, WindowId after, const std::optional<std::string>& windowClass,
                               const std::optional<std::string>& caption) = 0;
    virtual std::string GetText(WindowId window) = 0;
    // SendMessageA WM_SETTEXT: the caption of a window, or the text of another program's command box.
    virtual bool SetText(WindowId window, const std::string& text) = 0;
    virtual void SetForeground(WindowId window) = 0;
    virtual void Show(WindowId window, ShowState state) = 0;
    virtual void SetPointer(MousePointer pointer) = 0;
    virtual ScreenSize Screen() = 0;
    // The displays attached now, the primary one first.
    virtual std::vector<Monitor> Monitors() = 0;
};

}  // namespace kolvane
