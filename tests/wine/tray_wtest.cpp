// The icon records the hub hands the task bar, read by a task bar of this program's own: the flags of every
// add, change, balloon, new task bar and removal, so that the last balloon is never shown again by a later
// change. Works under Wine only: the record arrives in the layout of Wine's shell32 (see WineNotifyData).
#include "platform/tray_win32.h"
#include "wine/wine_check.h"
#include "wine/wine_notify_data.h"

namespace {

using namespace kolvane;

std::vector<std::pair<ULONG_PTR, WineNotifyData>> records;  // the command and its record
bool refuseAdd = false;                                      // the task bar is not ready yet

LRESULT CALLBACK TaskbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (message != WM_COPYDATA || copy->cbData < sizeof(WineNotifyData))
        return DefWindowProcA(window, message, wParam, lParam);
    records.emplace_back(copy->dwData, *static_cast<const WineNotifyData*>(copy->lpData));
    return !(refuseAdd && copy->dwData == NIM_ADD);
}

constexpr ULONG_PTR kNothing = ~ULONG_PTR{0};

struct Step {
    const char* name;
    bool (*run)(Win32Tray&);
    bool result;
    ULONG_PTR command;  // kNothing: no record sent
    UINT flags;
};

bool Add(Win32Tray& tray) { return tray.Add(TrayPicture::Starting, "Orvintal"); }
bool Modify(Win32Tray& tray) { return tray.Modify(TrayPicture::Ready, "Orvintal"); }
bool Restore(Win32Tray& tray) { return tray.Restore(); }
bool Remove(Win32Tray& tray) { return tray.Remove(); }
bool Balloon(Win32Tray& tray) {
    return tray.ShowBalloon("Orvintal", "Neue Steuererkl\xE4rung" + std::string(300, 'b'), BalloonIcon::Warning);
}

// Each row starts where the row before left; "new task bar" is the shell's announcement after Explorer
// restarts. A step that fails although it sends a record is refused by the test's task bar: a start at
// log-on, before the task bar is ready.
const Step kSteps[] = {
    {"new task bar before the add", Restore, false, kNothing, 0},
    {"add", Add, true, NIM_ADD, 23},
    {"ready picture", Modify, true, NIM_MODIFY, 7},
    {"balloon", Balloon, true, NIM_MODIFY, NIF_INFO},
    {"change after the balloon", Modify, true, NIM_MODIFY, 7},
    {"new task bar after the balloon", Restore, true, NIM_ADD, 7},
    {"remove", Remove, true, NIM_DELETE, 7},
    {"new task bar after the removal", Restore, false, kNothing, 0},
    {"add refused by the task bar", Add, false, NIM_ADD, 23},
    {"new task bar after a refused add", Restore, true, NIM_ADD, 7},
};

}  // namespace

int main() {
    WNDCLASSA taskbarClass{};
    taskbarClass.lpfnWndProc = TaskbarProc;
    taskbarClass.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&taskbarClass);
    HWND taskbar = CreateWindowExA(0, "Shell_TrayWnd", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    CHECK(taskbar && FindWindowA("Shell_TrayWnd", nullptr) == taskbar, "the test's task bar is the first");
    HWND symbol = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    {
        Win32Tray tray(symbol, 512, LoadIconA(nullptr, IDI_APPLICATION), LoadIconA(nullptr, IDI_INFORMATION));
        for (const Step& step : kSteps) {
            records.clear();
            refuseAdd = !step.result;
            CHECK(step.run(tray) == step.result, step.name);
            CHECK(records.size() == (step.command != kNothing), step.name + (": records sent " + std::to_string(records.size())));
            if (records.size() != 1 || step.command == kNothing) continue;
            const auto& [command, r] = records[0];
            CHECK(command == step.command && r.uFlags == step.flags, step.name + (": flags " + std::to_string(r.uFlags)));
            // Wine hands on the fields that the flags name.
            CHECK(r.uID == 2 && (!(r.uFlags & NIF_TIP) || (r.uCallbackMessage == 512 && std::wstring(r.szTip) == L"Orvintal")),
                  step.name);
            if (step.run == Add)
                CHECK(!r.szInfo[0] && r.uTimeout == 10 && r.dwInfoFlags == 4, "add: no balloon, timeout, info flags");
            if (step.run == Balloon)
                CHECK(std::wstring(r.szInfo) == L"Neue Steuererkl\u00E4rung" + std::wstring(235, L'b') &&
                          std::wstring(r.szInfoTitle) == L"Orvintal" && r.dwInfoFlags == NIIF_WARNING && r.uTimeout == 8,
                      "balloon: text cut to fit, title, icon, timeout");
        }
        records.clear();
    }
    CHECK(records.size() == 1 && records[0].first == NIM_DELETE, "the icon goes with the tray object");
    DestroyWindow(symbol);
    DestroyWindow(taskbar);
    return winecheck::Summary();
}
