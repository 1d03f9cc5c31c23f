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

constexpr UINT kCallback = 512;

struct Record {
    ULONG_PTR command;
    UINT id, flags, callback, timeout;
    DWORD infoFlags;
    std::string tip, info, infoTitle;
};

std::vector<Record> records;
bool refuseAdd = false;  // the task bar is not ready yet

std::string Narrow(const WCHAR* text, int capacity) {
    std::string out(1024, '\0');
    int length = WideCharToMultiByte(1252, 0, text, static_cast<int>(wcsnlen(text, capacity)), out.data(),
                                     static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(length > 0 ? length : 0);
    return out;
}

LRESULT CALLBACK TaskbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (copy->cbData < sizeof(WineNotifyData)) return FALSE;
    const auto* data = static_cast<const WineNotifyData*>(copy->lpData);
    records.push_back({copy->dwData, data->uID, data->uFlags, data->uCallbackMessage, data->uTimeout,
                       data->dwInfoFlags, Narrow(data->szTip, 128), Narrow(data->szInfo, 256),
                       Narrow(data->szInfoTitle, 64)});
    return !(refuseAdd && copy->dwData == NIM_ADD);
}

HWND CreateTaskbar() {
    WNDCLASSA taskbarClass = {};
    taskbarClass.lpfnWndProc = TaskbarProc;
    taskbarClass.hInstance = GetModuleHandleA(nullptr);
    taskbarClass.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&taskbarClass);
    return CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Shell_TrayWnd", "", WS_POPUP, 0, 0, 1, 1, nullptr,
                           nullptr, taskbarClass.hInstance, nullptr);
}

// The one record a step sent, checked field by field; nullptr when there was none or more.
const Record* Sent(const std::string& step) {
    CHECK_EQ(records.size(), std::size_t{1}, step + ": records sent");
    return records.size() == 1 ? &records.front() : nullptr;
}

}  // namespace

int main() {
    HWND taskbar = CreateTaskbar();
    CHECK(taskbar && FindWindowA("Shell_TrayWnd", nullptr) == taskbar, "the test's task bar is the first");
    HWND symbol = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    HICON starting = LoadIconA(nullptr, IDI_APPLICATION);
    HICON ready = LoadIconA(nullptr, IDI_INFORMATION);
    {
        Win32Tray tray(symbol, kCallback, starting, ready);

        records.clear();
        CHECK(!tray.Restore(), "a new task bar before the icon was added");
        CHECK(records.empty(), "nothing sent before the icon was added");

        CHECK(tray.Add(TrayPicture::Starting, "Orvintal"), "add");
        if (const Record* r = Sent("add")) {
            CHECK_EQ(r->command, ULONG_PTR{NIM_ADD}, "add: command");
            CHECK_EQ(r->id, 2u, "add: icon number");
            CHECK_EQ(r->flags, 23u, "add: message, icon, tip and info");
            CHECK_EQ(r->callback, kCallback, "add: callback message");
            CHECK_EQ(r->tip, std::string("Orvintal"), "add: tip");
            CHECK_EQ(r->info, std::string(), "add: no balloon");
            CHECK_EQ(r->timeout, 10u, "add: timeout");
            CHECK_EQ(r->infoFlags, DWORD{4}, "add: info flags");
        }

        struct Step {
            const char* name;
            bool (*run)(Win32Tray&);
            ULONG_PTR command;
            UINT flags;
        };
        const Step steps[] = {
            {"ready picture", [](Win32Tray& t) { return t.Modify(TrayPicture::Ready, "Orvintal"); }, NIM_MODIFY, 7},
            {"balloon",
             [](Win32Tray& t) { return t.ShowBalloon("Orvintal", "Neue Steuererkl\xE4rung", BalloonIcon::Warning); },
             NIM_MODIFY, NIF_INFO},
            {"change after the balloon", [](Win32Tray& t) { return t.Modify(TrayPicture::Ready, "Orvintal"); },
             NIM_MODIFY, 7},
            {"new task bar after the balloon", [](Win32Tray& t) { return t.Restore(); }, NIM_ADD, 7},
        };
        for (const Step& step : steps) {
            records.clear();
            CHECK(step.run(tray), step.name);
            if (const Record* r = Sent(step.name)) {
                CHECK_EQ(r->command, step.command, std::string(step.name) + ": command");
                CHECK_EQ(r->flags, step.flags, std::string(step.name) + ": flags");
            }
        }

        records.clear();
        tray.ShowBalloon("Orvintal", "Neue Steuererkl\xE4rung", BalloonIcon::Warning);
        if (const Record* r = Sent("balloon text")) {
            CHECK_EQ(r->info, std::string("Neue Steuererkl\xE4rung"), "balloon: text");
            CHECK_EQ(r->infoTitle, std::string("Orvintal"), "balloon: title");
            CHECK_EQ(r->infoFlags, DWORD{NIIF_WARNING}, "balloon: warning icon");
            CHECK_EQ(r->timeout, 8u, "balloon: timeout");
        }
        records.clear();
        tray.ShowBalloon("Orvintal", std::string(300, 'b'), BalloonIcon::Warning);
        if (const Record* r = Sent("long balloon")) CHECK_EQ(r->info, std::string(255, 'b'), "balloon cut to fit");

        records.clear();
        CHECK(tray.Remove(), "remove");
        if (const Record* r = Sent("remove")) CHECK_EQ(r->command, ULONG_PTR{NIM_DELETE}, "remove: command");
        records.clear();
        CHECK(!tray.Restore(), "a new task bar after the icon was removed");
        CHECK(records.empty(), "nothing sent after the icon was removed");

        // A start at log-on, before the task bar is ready: the add fails, the new task bar gets the icon.
        refuseAdd = true;
        CHECK(!tray.Add(TrayPicture::Starting, "Orvintal"), "add refused by the task bar");
        refuseAdd = false;
        records.clear();
        CHECK(tray.Restore(), "new task bar after a refused add");
        if (const Record* r = Sent("new task bar after a refused add")) {
            CHECK_EQ(r->command, ULONG_PTR{NIM_ADD}, "refused add: command");
            CHECK_EQ(r->tip, std::string("Orvintal"), "refused add: tip");
        }
        records.clear();
    }
    CHECK(records.size() == 1 && records.front().command == NIM_DELETE, "the icon goes with the tray object");
    DestroyWindow(symbol);
    DestroyWindow(taskbar);
    return winecheck::Summary();
}
