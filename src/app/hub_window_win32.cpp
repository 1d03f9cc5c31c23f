#include "app/hub_window_win32.h"

#include <cstdlib>

#include "app/command_channel.h"
#include "hub/shutdown.h"
#include "app/tray_symbol.h"
#include "launcher/popup_view_win32.h"
#include "platform/window_text_win32.h"
#include "tasks/timer_schedule.h"

namespace kolvane {

namespace {

constexpr char kPictureBoxClass[] = "ThunderRT6PictureBoxDC";
constexpr HubTimer kTimers[] = {HubTimer::Timer1, HubTimer::Timer2, HubTimer::Timer3, HubTimer::Timer4,
                                HubTimer::Timer5};

HubWindows* WindowsOf(HWND window) {
    return reinterpret_cast<HubWindows*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

Hub* HubOf(HWND window) {
    HubWindows* windows = WindowsOf(window);
    return windows ? windows->hub : nullptr;
}

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

void OnTick(Hub& hub, WPARAM id) {
    for (HubTimer timer : kTimers)
        if (static_cast<WPARAM>(timer) == id && TimerEnabled(hub, timer)) OnTimer(hub, timer);
}

LRESULT CALLBACK RootProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The other window of this class is `TraySymbol`: it stays as long as the dialog it stands for.
    if (!WindowsOf(window)) return message == WM_CLOSE ? 0 : DefWindowProcA(window, message, wParam, lParam);
    // `Root` owns the popup menu, which asks it to draw the entries' pictures.
    if (message == WM_MEASUREITEM && MeasureMenuPicture(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
    if (message == WM_DRAWITEM && DrawMenuPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
    Hub* hub = HubOf(window);
    if (hub) {
        if (message == WM_TIMER) {
            OnTick(*hub, wParam);
            return 0;
        }
        if (message == WM_CLOSE || (message == WM_ENDSESSION && wParam)) UnloadHubWindow(*hub);
        if (message == WM_SIZE) OnHubResize(*hub, IsWindowVisible(window) != FALSE);
        if (message == TaskbarCreatedMessage()) {
            OnTaskbarCreated(*hub);
            return 0;
        }
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

// Other programs write their commands with WM_SETTEXT; only a real change of the text is a command,
// as with the edit box the suite's programs expect.
LRESULT CALLBACK CommandBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_SETTEXT) return DefWindowProcA(window, message, wParam, lParam);
    std::string before = WindowTextOf(window);
    LRESULT result = DefWindowProcA(window, message, wParam, lParam);
    std::string after = lParam ? reinterpret_cast<const char*>(lParam) : "";
    Hub* hub = HubOf(window);
    if (after != before && hub) OnCommandText(*hub, after);
    return result;
}

LRESULT CALLBACK SymbolProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Hub* hub = HubOf(window);
    if (message == static_cast<UINT>(kSymbolCallbackMessage) && hub) {
        OnSymbolMouse(*hub, static_cast<int>(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool Register(HINSTANCE instance, const char* name, WNDPROC procedure) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = name;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    return RegisterClassExA(&windowClass) != 0;
}

// A long test run shortens every timer's period by the factor in KOLVANE_TIMER_SCALE, so that a day of use
// holds many ticks of each; an office never sets it, and anything but a whole number above 1 means 1.
int TimerScale() {
    static const int scale = [] {
        const char* text = std::getenv("KOLVANE_TIMER_SCALE");
        const int value = text ? std::atoi(text) : 1;
        return value > 1 ? value : 1;
    }();
    return scale;
}

}  // namespace

bool CreateHubWindows(HINSTANCE instance, HubWindows& windows) {
    if (!Register(instance, kHubClass, RootProc) || !Register(instance, kCommandBoxClass, CommandBoxProc) ||
        !Register(instance, kPictureBoxClass, SymbolProc))
        return false;
    windows.Root = CreateWindowExA(WS_EX_TOOLWINDOW, kHubClass, kHubCaption, WS_OVERLAPPEDWINDOW, 0, 0, 320, 240,
                                   nullptr, nullptr, instance, nullptr);
    if (!windows.Root) return false;
    windows.Text1 = CreateWindowExA(0, kCommandBoxClass, "", WS_CHILD, 0, 0, 100, 20, windows.Root, nullptr, instance,
                                    nullptr);
    windows.Symbol = CreateWindowExA(0, kPictureBoxClass, "", WS_CHILD, 0, 20, 32, 32, windows.Root, nullptr,
                                     instance, nullptr);
    if (!windows.Text1 || !windows.Symbol) return false;
    for (HWND window : {windows.Root, windows.Text1, windows.Symbol})
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&windows));
    // A hub started as administrator still hears the suite's programs and a new task bar.
    ChangeWindowMessageFilterEx(windows.Text1, WM_SETTEXT, MSGFLT_ALLOW, nullptr);
    ChangeWindowMessageFilterEx(windows.Root, TaskbarCreatedMessage(), MSGFLT_ALLOW, nullptr);
    return true;
}

void SwitchHubTimer(const HubWindows& windows, HubTimer timer, bool on) {
    const auto id = static_cast<UINT_PTR>(timer);
    if (on)
        SetTimer(windows.Root, id, static_cast<UINT>(TimerPeriodMs(timer) / TimerScale()), nullptr);
    else
        KillTimer(windows.Root, id);
}

}  // namespace kolvane
