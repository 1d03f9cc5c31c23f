// Where the Win32 platform meets Windows itself:
// - the registry view that the 64-bit build shares with the suite's 32-bit programs;
// - the lock and the replace of a shared file: two writers saving into one file at the same time lose
//   nothing (and fail without the lock), a peer that holds the file open makes a save fail within its bound
//   without a change and lets the next one through once it lets go, and no lock or temporary file is left;
// - the icon records the hub hands the task bar, read by a task bar of this program's own: the flags of every
//   add, change, balloon, new task bar and removal, so that the last balloon is never shown again by a later
//   change. Works under Wine only: the record arrives in the layout of Wine's shell32 (see WineNotifyData).
#include "platform/clock_win32.h"
#include "platform/file_lock_win32.h"
#include "platform/handle_win32.h"
#include "platform/registry_win32.h"
#include "platform/tray_win32.h"
#include "store/safe_ini_writer.h"
#include "wine/wine_check.h"
#include "wine/wine_notify_data.h"

namespace {

using namespace kolvane;
using namespace std::string_literals;

// HKEY_LOCAL_MACHINE\Software as the 32-bit programs see it, whichever build this program is: in the 32-bit
// view (Wow6432Node on a 64-bit system), nothing in the 64-bit one. The key goes with the run's throw-away prefix.
void TestRegistryViews() {
    Win32Registry r;
    CHECK(r.CreateKey(RegRoot::LocalMachine, "Software\\KolvaneWTest", "") != KeyCreation::Failed &&
          r.SetValue(RegRoot::LocalMachine, "Software\\KolvaneWTest", "Frist", {RegType::Sz, "14.7.\0"s}), "written");
    for (const auto& [view, found] : {std::pair{KEY_WOW64_32KEY, true}, {KEY_WOW64_64KEY, false}}) {
        char data[16] = {};
        DWORD size = sizeof data;
        HKEY raw = nullptr;
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\KolvaneWTest", 0, KEY_QUERY_VALUE | view, &raw);
        const Key key(raw);
        RegGetValueA(key.get(), nullptr, "Frist", RRF_RT_REG_SZ, nullptr, data, &size);
        CHECK((std::string(data) == "14.7.") == found, view == KEY_WOW64_32KEY ? "32-bit view" : "64-bit view");
    }
}

// Saves the key with itself as its value.
SaveResult Save(const std::string& path, const std::string& key, const SafeWriteBounds& bounds = {}) {
    Win32Files files;
    Win32Clock clock;
    Win32FileLocks locks;
    return EditIniFile(files, clock, locks, path, [&](IniDocument& d) { return d.Write("000", key, key); }, bounds);
}

std::string writerPath;

// A writer: saves its own keys <ID>0, <ID>1 ... for 4 s and at least 10 times; returns the number of saves,
// or none when one was not saved.
DWORD WINAPI RunWriter(void* id) {
    DWORD saved = 0;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 4000 || saved < 10; ++saved)
        if (Save(writerPath, static_cast<char*>(id) + std::to_string(saved)) != SaveResult::Saved) return 0;
    return saved;
}

// Two writers, each a thread of its own: Windows applies the sharing of a file to every handle alike.
void TestTwoWritersLoseNothing() {
    std::string bytes = "[000]\r\n";  // and 2 MB more, so that reading, editing and replacing take a while
    for (int n = 1; n < 4000; ++n) bytes += "[" + std::to_string(n) + "]\r\nk=" + std::string(500, 'v') + "\r\n";
    writerPath = winecheck::NewFile("DATEX.DAT", bytes);
    char ids[][2] = {"A", "B"};
    HANDLE writers[2];
    for (int i = 0; i < 2; ++i) writers[i] = CreateThread(nullptr, 0, RunWriter, ids[i], 0, nullptr);
    CHECK(WaitForMultipleObjects(2, writers, TRUE, 180000) == WAIT_OBJECT_0, "writers ended");
    const IniDocument after(Win32Files().ReadAll(writerPath).value_or(""));
    for (int i = 0; i < 2; ++i) {
        DWORD saves = 0, found = 0;
        GetExitCodeThread(writers[i], &saves);
        for (DWORD n = 0; n < saves; ++n)
            found += after.Read("000", ids[i] + std::to_string(n)) == ids[i] + std::to_string(n);
        CHECK(saves >= 10 && found == saves,
              ids[i] + (": " + std::to_string(found) + " of " + std::to_string(saves) + " saves found"));
    }
    CHECK(after.Bytes().ends_with(bytes.substr(7)), "the other sections kept byte for byte");
    const std::string folder = writerPath.substr(0, writerPath.rfind('\\') + 1);
    CHECK(Win32Files().List(folder, "*.new").empty() && Win32Files().List(folder, "*.lck").empty(), "nothing left");
}

// A peer that reads the file without sharing its deletion: while it holds the file a replace fails, so the
// save waits out its bound and changes nothing; once the peer lets go, the next save goes through.
void TestAPeerHoldingTheFileOpen() {
    const std::string path = winecheck::NewFile("DATEX.DAT", "[000]\r\nKey=alt\r\n");
    HANDLE peer = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    const DWORD start = GetTickCount();
    CHECK(Save(path, "Busy", {2, 2, 0.1}) == SaveResult::Busy && GetTickCount() - start >= 500, "busy after waiting");
    CloseHandle(peer);
    CHECK(Win32Files().ReadAll(path) == "[000]\r\nKey=alt\r\n", "kept while the peer held the file");
    CHECK(Save(path, "Saved") == SaveResult::Saved &&
              IniDocument(*Win32Files().ReadAll(path)).Read("000", "Saved") == "Saved", "saved once the peer let go");
}

std::vector<std::pair<ULONG_PTR, WineNotifyData>> records;  // what the task bar received: command, record
bool refuseAdd = false;                                      // the task bar is not ready yet

LRESULT CALLBACK TaskbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (message != WM_COPYDATA || copy->cbData < sizeof(WineNotifyData))
        return DefWindowProcA(window, message, wParam, lParam);
    records.emplace_back(copy->dwData, *static_cast<const WineNotifyData*>(copy->lpData));
    return !(refuseAdd && copy->dwData == NIM_ADD);
}

bool Add(Win32Tray& tray) { return tray.Add(TrayPicture::Starting, "Orvintal"); }
bool Modify(Win32Tray& tray) { return tray.Modify(TrayPicture::Ready, "Orvintal"); }
bool Restore(Win32Tray& tray) { return tray.Restore(); }
bool Remove(Win32Tray& tray) { return tray.Remove(); }
bool Balloon(Win32Tray& tray) {
    return tray.ShowBalloon("Orvintal", "Neue Steuererkl\xE4rung" + std::string(300, 'b'), BalloonIcon::Warning);
}

constexpr ULONG_PTR kNothing = ~ULONG_PTR{0};

// A step, what it returns and the record it sends (command kNothing: none).
struct Step { const char* name; bool (*run)(Win32Tray&); bool result; ULONG_PTR command; UINT flags; };

// Each row starts where the row before left; "new task bar" is the shell's announcement after Explorer
// restarts. A step that fails although it sends a record is refused by the test's task bar: a start at
// log-on, before the task bar is ready.
const Step kSteps[] = {
    {"add", Add, true, NIM_ADD, 23},
    {"balloon", Balloon, true, NIM_MODIFY, NIF_INFO},
    {"change after the balloon", Modify, true, NIM_MODIFY, 7},
    {"new task bar after the balloon", Restore, true, NIM_ADD, 7},
    {"remove", Remove, true, NIM_DELETE, 7},
    {"new task bar after the removal", Restore, false, kNothing, 0},
    {"add refused by the task bar", Add, false, NIM_ADD, 23},
    {"new task bar after a refused add", Restore, true, NIM_ADD, 7},
};

void TestTray() {
    const WNDCLASSA taskbarClass{0, TaskbarProc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, "Shell_TrayWnd"};
    RegisterClassA(&taskbarClass);
    HWND taskbar = CreateWindowExA(0, "Shell_TrayWnd", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    {
        Win32Tray tray(taskbar, 512, LoadIconA(nullptr, IDI_APPLICATION), LoadIconA(nullptr, IDI_INFORMATION));
        for (const Step& step : kSteps) {
            records.clear();
            refuseAdd = !step.result;
            const bool result = step.run(tray);
            const std::string context = step.name + (": records " + std::to_string(records.size()));
            CHECK(result == step.result && records.size() == (step.command != kNothing), context);
            if (records.size() != 1 || step.command == kNothing) continue;
            const auto& [command, r] = records[0];
            // Wine hands on only the fields that the flags name.
            CHECK(command == step.command && r.uFlags == step.flags && r.uID == 2,
                  context + ", flags " + std::to_string(r.uFlags));
            CHECK(!(r.uFlags & NIF_TIP) || (r.uCallbackMessage == 512 && !wcscmp(r.szTip, L"Orvintal")), context);
            if (step.run == Add) CHECK(!r.szInfo[0] && r.uTimeout == 10 && r.dwInfoFlags == 4, "add");
            if (step.run == Balloon)
                CHECK(std::wstring(r.szInfo) == L"Neue Steuererkl\u00E4rung" + std::wstring(235, L'b') &&
                          std::wstring(r.szInfoTitle) == L"Orvintal" && r.dwInfoFlags == NIIF_WARNING &&
                          r.uTimeout == 8, "balloon: text cut to fit, title, icon, timeout");
        }
        records.clear();
    }
    CHECK(records.size() == 1 && records[0].first == NIM_DELETE, "the icon goes with the tray object");
}

}  // namespace

int main() {
    TestRegistryViews();
    TestAPeerHoldingTheFileOpen();
    TestTwoWritersLoseNothing();
    TestTray();
    return winecheck::Summary();
}
