#include "platform/windows_win32.h"

namespace kolvane {

namespace {

// Long enough for a program that is busy for a moment, short enough that a hung one does not freeze the hub.
constexpr UINT kAnswerTimeoutMs = 5000;

const char* OrNull(const std::optional<std::string>& text) { return text ? text->c_str() : nullptr; }

// One thread, one pointer: the user-interface thread is the only one that sets or shows it.
HCURSOR chosenPointer = nullptr;

ScreenRect ToScreenRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM found) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetMonitorInfoA(handle, &info)) return TRUE;
    auto& monitors = *reinterpret_cast<std::vector<Monitor>*>(found);
    const Monitor monitor{ToScreenRect(info.rcMonitor), ToScreenRect(info.rcWork)};
    if (info.dwFlags & MONITORINFOF_PRIMARY) monitors.insert(monitors.begin(), monitor);
    else monitors.push_back(monitor);
    return TRUE;
}

}  // namespace

WindowId Win32Windows::Find(const std::optional<std::string>& windowClass, const std::optional<std::string>& caption) {
    return ToWindowId(::FindWindowA(OrNull(windowClass), OrNull(caption)));
}

WindowId Win32Windows::FindChild(WindowId parent, WindowId after, const std::optional<std::string>& windowClass,
                                 const std::optional<std::string>& caption) {
    return ToWindowId(::FindWindowExA(ToHwnd(parent), ToHwnd(after), OrNull(windowClass), OrNull(caption)));
}

std::string Win32Windows::GetText(WindowId window) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutA(ToHwnd(window), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &length))
        return {};
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutA(ToHwnd(window), WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                               SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &copied))
        return {};
    text.resize(copied < length ? copied : length);
    return text;
}

bool Win32Windows::SetText(WindowId window, const std::string& text) {
    DWORD_PTR result = 0;
    // No early abort for a receiver that seems hung: the message must stay queued until it answers again.
    if (::SendMessageTimeoutA(ToHwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL,
                              kAnswerTimeoutMs, &result))
        return result != FALSE;
    // The receiver is still working on the message (for "$Ende$" it may be closing): it has the text.
    return ::GetLastError() == ERROR_TIMEOUT;
}

void Win32Windows::SetForeground(WindowId window) { ::SetForegroundWindow(ToHwnd(window)); }

void Win32Windows::Show(WindowId window, ShowState state) { ::ShowWindow(ToHwnd(window), static_cast<int>(state)); }

void Win32Windows::SetPointer(MousePointer pointer) {
    switch (pointer) {
        case MousePointer::Hourglass: chosenPointer = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)); break;
        case MousePointer::ArrowHourglass:
            chosenPointer = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_APPSTARTING));
            break;
        case MousePointer::Default: chosenPointer = nullptr; break;
    }
    ::SetCursor(chosenPointer ? chosenPointer : ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
}

bool ShowChosenPointer() {
    if (!chosenPointer) return false;
    ::SetCursor(chosenPointer);
    return true;
}

ScreenSize Win32Windows::Screen() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

std::vector<Monitor> Win32Windows::Monitors() {
    std::vector<Monitor> monitors;
    ::EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty()) {  // no monitor answered: the primary screen as the system metrics give it
        RECT work{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
        const ScreenRect area = ToScreenRect(work);
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        monitors.push_back({area, ToScreenRect(work)});
    }
    return monitors;
}

}  // namespace kolvane
