// The end-to-end tests' stand-in for the shell around the hub: it sends the icon events the task bar
// sends to the hub's picture box `Symbol`, makes the task bar forget the hub's icon, announces a new task
// bar ("TaskbarCreated"), shows the hidden hub window, ends the session, and plays a task bar of its own
// that prints every icon record the hub hands it. One subcommand per run; exit code 0 = done, 1 = not
// found or failed, 2 = wrong usage.
#include <windows.h>
// after windows.h, which they need
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "command_line.h"
#include "wine/wine_notify_data.h"

namespace {

constexpr char kFormClass[] = "ThunderRT6FormDC";
constexpr char kPictureBoxClass[] = "ThunderRT6PictureBoxDC";
constexpr UINT kSymbolCallback = 512;
constexpr UINT kIconId = 2;
constexpr DWORD kAnswerMs = 10000;

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

HWND HubWindow(const char* caption) {
    HWND window = FindWindowA(kFormClass, caption);
    if (!window) std::fprintf(stderr, "no window \"%s\" of class %s\n", caption, kFormClass);
    return window;
}

HWND Symbol(const char* caption) {
    HWND window = HubWindow(caption);
    HWND symbol = window ? FindWindowExA(window, nullptr, kPictureBoxClass, nullptr) : nullptr;
    if (window && !symbol) std::fprintf(stderr, "no picture box in \"%s\"\n", caption);
    return symbol;
}

UINT TaskbarCreated() { return RegisterWindowMessageA("TaskbarCreated"); }

// As the task bar does: the event posted to the icon's window, the mouse message in lParam.
int IconEvent(char** args) {
    HWND symbol = Symbol(args[0]);
    if (!symbol) return 1;
    return PostMessageA(symbol, kSymbolCallback, kIconId, std::strtol(args[1], nullptr, 10)) ? 0 : 1;
}

// The task bar loses the icon, as when Explorer ends: the shell knows an icon by its window and number.
int ForgetIcon(char** args) {
    HWND symbol = Symbol(args[0]);
    if (!symbol) return 1;
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = symbol;
    record.uID = kIconId;
    return Shell_NotifyIconA(NIM_DELETE, &record) ? 0 : 1;
}

int AnnounceTaskbar(char**) {
    return SendNotifyMessageA(HWND_BROADCAST, TaskbarCreated(), 0, 0) ? 0 : 1;
}

// A resize of the hub window as it becomes visible. Asynchronous: the hub may end while handling it.
int ShowHub(char** args) {
    HWND window = HubWindow(args[0]);
    if (!window) return 1;
    ShowWindowAsync(window, SW_SHOWNORMAL);
    return 0;
}

// The messages of a log-off: the question, then the end of the session.
int EndSession(char** args) {
    HWND window = HubWindow(args[0]);
    if (!window) return 1;
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, kAnswerMs, &answer);
    Print(answer ? "query: yes" : "query: no");
    SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, kAnswerMs, &answer);
    return 0;
}

// ---- a task bar of its own ----

std::string Narrow(const WCHAR* text, int capacity) {
    char out[1024] = {};
    WideCharToMultiByte(1252, 0, text, static_cast<int>(wcsnlen(text, capacity)), out, sizeof out - 1, nullptr,
                        nullptr);
    return out;
}

const char* CommandName(ULONG_PTR command) {
    switch (command) {
        case NIM_ADD: return "ADD";
        case NIM_MODIFY: return "MODIFY";
        case NIM_DELETE: return "DELETE";
        default: return "OTHER";
    }
}

LRESULT CALLBACK TaskbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (!copy || copy->cbData < sizeof(WineNotifyData)) {
        Print("RECORD\tunreadable");
        return TRUE;
    }
    const auto* data = static_cast<const WineNotifyData*>(copy->lpData);
    char flags[16];
    std::snprintf(flags, sizeof flags, "%u", data->uFlags);
    // command, flags, callback message, tip, balloon title, balloon text, balloon icon
    Print(std::string(CommandName(copy->dwData)) + "\t" + flags + "\t" + std::to_string(data->uCallbackMessage) +
          "\t" + Narrow(data->szTip, 128) + "\t" + Narrow(data->szInfoTitle, 64) + "\t" + Narrow(data->szInfo, 256) +
          "\t" + std::to_string(data->dwInfoFlags));
    return TRUE;
}

// Plays a task bar that has just started: in front of Wine's own (the shell sends to the first window of
// the class), it announces itself and prints the records it gets until the seconds have passed.
int FakeTaskbar(char** args) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA taskbarClass = {};
    taskbarClass.lpfnWndProc = TaskbarProc;
    taskbarClass.hInstance = instance;
    taskbarClass.lpszClassName = "Shell_TrayWnd";
    if (!RegisterClassA(&taskbarClass)) return 1;
    HWND taskbar = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP, 0, 0, 1, 1, nullptr,
                                   nullptr, instance, nullptr);
    if (!taskbar || FindWindowA("Shell_TrayWnd", nullptr) != taskbar) {
        std::fprintf(stderr, "the fake task bar is not the first of its class\n");
        return 1;
    }
    Print("ready");
    SendNotifyMessageA(HWND_BROADCAST, TaskbarCreated(), 0, 0);
    SetTimer(nullptr, 0, static_cast<UINT>(std::atof(args[0]) * 1000), nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && !message.hwnd) break;
        DispatchMessageA(&message);
    }
    DestroyWindow(taskbar);
    return 0;
}

constexpr Command kCommands[] = {
    {"icon-event", 2, "CAPTION LPARAM", IconEvent},
    {"forget-icon", 1, "CAPTION", ForgetIcon},
    {"announce-taskbar", 0, "", AnnounceTaskbar},
    {"show-hub", 1, "CAPTION", ShowHub},
    {"end-session", 1, "CAPTION", EndSession},
    {"fake-taskbar", 1, "SECONDS", FakeTaskbar},
};

}  // namespace

int main(int argc, char** argv) { return RunCommand("tray_peer", kCommands, argc, argv); }
