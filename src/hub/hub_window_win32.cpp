#include "hub/hub_window_win32.h"

#include "hub/hub.h"

namespace kolvane {

namespace {

constexpr char kPictureBoxClass[] = "ThunderRT6PictureBoxDC";

HubWindows* WindowsOf(HWND window) {
    return reinterpret_cast<HubWindows*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

std::string TextOf(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

LRESULT CALLBACK RootProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

// Other programs write their commands with WM_SETTEXT; only a real change of the text is a command,
// as with the edit box the suite's programs expect.
LRESULT CALLBACK CommandBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_SETTEXT) return DefWindowProcA(window, message, wParam, lParam);
    std::string before = TextOf(window);
    LRESULT result = DefWindowProcA(window, message, wParam, lParam);
    std::string after = lParam ? reinterpret_cast<const char*>(lParam) : "";
    HubWindows* windows = WindowsOf(window);
    if (after != before && windows && windows->onCommand) windows->onCommand(after);
    return result;
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

}  // namespace

bool CreateHubWindows(HINSTANCE instance, HubWindows& windows) {
    if (!Register(instance, kHubClass, RootProc) || !Register(instance, kCommandBoxClass, CommandBoxProc) ||
        !Register(instance, kPictureBoxClass, DefWindowProcA))
        return false;
    windows.Root = CreateWindowExA(WS_EX_TOOLWINDOW, kHubClass, kHubCaption, WS_OVERLAPPEDWINDOW, 0, 0, 320, 240,
                                   nullptr, nullptr, instance, nullptr);
    if (!windows.Root) return false;
    windows.Text1 = CreateWindowExA(0, kCommandBoxClass, "", WS_CHILD, 0, 0, 100, 20, windows.Root, nullptr, instance,
                                    nullptr);
    windows.Symbol = CreateWindowExA(0, kPictureBoxClass, "", WS_CHILD, 0, 20, 32, 32, windows.Root, nullptr,
                                     instance, nullptr);
    if (!windows.Text1 || !windows.Symbol) return false;
    SetWindowLongPtrA(windows.Text1, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&windows));
    SetWindowLongPtrA(windows.Symbol, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&windows));
    return true;
}

}  // namespace kolvane
