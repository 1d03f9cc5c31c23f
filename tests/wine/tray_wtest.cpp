// The icon records the hub hands the task bar, read by a task bar of this program's own: the flags of every
// add, change, balloon, new task bar and removal, so that the last balloon is never shown again by a later
// change. Works under Wine only: the record arrives in the layout of Wine's shell32 (see WineNotifyData).
#include <windows.h>

#include <string>
#include <vector>

#include "platform/tray_win32.h"
#include "wine/wine_check.h"
#include "wine/wine_notify_data.h"

namespace {

using namespace kolvane;

struct Record {
    ULONG_PTR command;
    WineNotifyData data;
};

std::vector<Record> records;
bool refuseAdd = false;  // the task bar is not ready yet

LRESULT CALLBACK TaskbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (message != WM_COPYDATA || copy->cbData < sizeof(WineNotifyData))
        return DefWindowProcA(window, message, wParam, lParam);
    records.push_back({copy->dwData, *static_cast<const WineNotifyData*>(copy->lpData)});
    return !(refuseAdd && copy->dwData == NIM_ADD);
}

std::string Narrow(const WCHAR* text) {
    char out[1024] = {};
    WideCharToMultiByte(1252, 0, text, -1, out, sizeof out, nullptr, nullptr);
    return out;
}

const std::string kBalloon = "Neue Steuererkl\xE4rung" + std::string(300, 'b');

constexpr ULONG_PTR kNothing = ~ULONG_PTR{0};

struct Step {
    const char* name;
    bool (*run)(Win32Tray&);
    bool result;
    ULONG_PTR command;  // kNothing: no record sent
    UINT flags;
};

// Each row starts from the row before; "new task bar" is the shell's announcement after Explorer restarts.
const Step kSteps[] = {
    {"new task bar before the add", [](Win32Tray& t) { return t.Restore(); }, false, kNothing, 0},
    {"add", [](Win32Tray& t) { return t.Add(TrayPicture::Starting, "Orvintal"); }, true, NIM_ADD, 23},
    {"ready picture", [](Win32Tray& t) { return t.Modify(TrayPicture::Ready, "Orvintal"); }, true, NIM_MODIFY, 7},
    {"balloon", [](Win32Tray& t) { return t.ShowBalloon("Orvintal", kBalloon, BalloonIcon::Warning); }, true,
     NIM_MODIFY, NIF_INFO},
    {"change after the balloon", [](Win32Tray& t) { return t.Modify(TrayPicture::Ready, "Orvintal"); }, true,
     NIM_MODIFY, 7},
    {"new task bar after the balloon", [](Win32Tray& t) { return t.Restore(); }, true, NIM_ADD, 7},
    {"remove", [](Win32Tray& t) { return t.Remove(); }, true, NIM_DELETE, 7},
    {"new task bar after the removal", [](Win32Tray& t) { return t.Restore(); }, false, kNothing, 0},
    // A start at log-on, before the task bar is ready: the add fails, the new task bar gets the icon.
    {"add refused by the task bar",
     [](Win32Tray& t) {
         refuseAdd = true;
         const bool added = t.Add(TrayPicture::Starting, "Orvintal");
         refuseAdd = false;
         return added;
     },
     false, NIM_ADD, 23},
    {"new task bar after a refused add", [](Win32Tray& t) { return t.Restore(); }, true, NIM_ADD, 7},
};

}  // namespace

int main() {
    WNDCLASSA taskbarClass{};
    taskbarClass.lpfnWndProc = TaskbarProc;
    taskbarClass.hInstance = GetModuleHandleA(nullptr);
    taskbarClass.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&taskbarClass);
    HWND taskbar = CreateWindowExA(WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                   taskbarClass.hInstance, nullptr);
    CHECK(taskbar && FindWindowA("Shell_TrayWnd", nullptr) == taskbar, "the test's task bar is the first");
    HWND symbol = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    std::vector<Record> sent;
    {
        Win32Tray tray(symbol, 512, LoadIconA(nullptr, IDI_APPLICATION), LoadIconA(nullptr, IDI_INFORMATION));
        for (const Step& step : kSteps) {
            records.clear();
            CHECK_EQ(step.run(tray), step.result, step.name);
            CHECK_EQ(records.size(), std::size_t{step.command != kNothing}, step.name);
            if (records.size() != 1 || step.command == kNothing) continue;
            CHECK_EQ(records[0].command, step.command, step.name);
            CHECK_EQ(records[0].data.uFlags, step.flags, step.name);
            sent.push_back(records[0]);
        }
        records.clear();
    }
    CHECK(records.size() == 1 && records[0].command == NIM_DELETE, "the icon goes with the tray object");
    if (sent.size() == 8) {
        const WineNotifyData& add = sent[0].data;
        CHECK(add.uID == 2 && add.uCallbackMessage == 512 && add.uTimeout == 10 && add.dwInfoFlags == 4, "add");
        CHECK(Narrow(add.szTip) == "Orvintal" && Narrow(add.szInfo).empty(), "add: tip, no balloon");
        const WineNotifyData& balloon = sent[2].data;
        CHECK_EQ(Narrow(balloon.szInfo), kBalloon.substr(0, 255), "balloon text, cut to fit");
        CHECK_EQ(Narrow(balloon.szInfoTitle), "Orvintal", "balloon title");
        CHECK(balloon.dwInfoFlags == NIIF_WARNING && balloon.uTimeout == 8, "balloon icon and timeout");
        CHECK_EQ(Narrow(sent[7].data.szTip), "Orvintal", "the new task bar after a refused add gets the tip");
    }
    DestroyWindow(symbol);
    DestroyWindow(taskbar);
    return winecheck::Summary();
}
