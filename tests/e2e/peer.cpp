// The end-to-end tests' stand-in for the other programs of the suite and for the shell around the hub: it
// finds windows and message boxes, sends commands into a command box, answers boxes and fills in dialogs,
// reads and chooses entries of the hub's open menu, reads settings through the 32-bit registry view and the
// member database through the profile functions (as the suite's 32-bit programs see them), and sends the hub's
// icon the task bar's messages and its window those of a log-off, and counts what the hub process holds. One subcommand per run; results go to stdout
// as tab-separated Windows-1252 lines, line feeds inside a text written as "\n"; exit code 0 = done or found,
// 1 = not found or failed, 2 = wrong usage.
#include <windows.h>
// after windows.h, which they need
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#include <commctrl.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "store/crypt.h"

namespace {

constexpr char kDialogClass[] = "#32770";
constexpr int kMessageBoxTextId = 0xFFFF;
constexpr WPARAM kMenuProbe = 0x4B4F4C56;  // as in menu_probe.cpp
constexpr UINT kSymbolCallback = 512;      // the message and number of the hub's icon
constexpr UINT kIconId = 2;

void Print(const std::string& line) { std::printf("%s\n", line.c_str()); }

std::string Escape(std::string text) {
    for (std::size_t at = 0; (at = text.find('\n', at)) != std::string::npos; at += 2) text.replace(at, 1, "\\n");
    return text;
}

std::string Caption(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Polls the condition until it holds or the seconds have passed.
template <typename Condition>
bool WaitUntil(const char* seconds, Condition condition) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(std::atof(seconds) * 1000);
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(100);
    }
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// Every top-level window, hidden ones included, whose class (without case, as Windows compares it) and
// exact caption match; nullptr or "-" matches any.
std::vector<HWND> Windows(const char* className, const char* caption) {
    std::vector<HWND> all, matches;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    const auto any = [](const char* s) { return !s || std::strcmp(s, "-") == 0; };
    for (HWND window : all)
        if ((any(className) || _stricmp(ClassOf(window).c_str(), className) == 0) &&
            (any(caption) || Caption(window) == caption))
            matches.push_back(window);
    return matches;
}

HWND Hub() { return FindWindowA("ThunderRT6FormDC", "Brekkan Orvintal  "); }

HWND Symbol() { return Hub() ? FindWindowExA(Hub(), nullptr, "ThunderRT6PictureBoxDC", nullptr) : nullptr; }

// ---- message boxes: "title <TAB> text <TAB> buttons joined by |" ----

struct Button {
    const char* name;
    int id;
};

constexpr Button kButtons[] = {{"OK", IDOK}, {"Cancel", IDCANCEL}, {"Yes", IDYES}, {"No", IDNO}};

std::vector<HWND> MessageBoxes(const char* title) {
    std::vector<HWND> boxes;
    for (HWND window : Windows(kDialogClass, title))
        if (IsWindowVisible(window) && GetDlgItem(window, kMessageBoxTextId)) boxes.push_back(window);
    return boxes;
}

bool WaitBox(char** args) {
    std::vector<HWND> boxes;
    if (!WaitUntil(args[0], [&] { return !(boxes = MessageBoxes(nullptr)).empty(); })) return false;
    for (HWND box : boxes) {
        std::string buttons;
        for (const Button& button : kButtons)
            if (HWND control = GetDlgItem(box, button.id); control && IsWindowVisible(control))
                buttons += (buttons.empty() ? "" : "|") + std::string(button.name);
        Print(Escape(Caption(box)) + "\t" + Escape(Caption(GetDlgItem(box, kMessageBoxTextId))) + "\t" + buttons);
    }
    return true;
}

bool AnswerBox(char** args) {
    const std::vector<HWND> boxes = MessageBoxes(args[0]);
    for (const Button& button : kButtons)
        if (_stricmp(button.name, args[1]) == 0 && !boxes.empty()) {
            HWND box = boxes.front();
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(button.id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, button.id)));
            return WaitUntil("10", [&] { return !IsWindow(box) || !IsWindowVisible(box); });
        }
    return false;
}

// A dialog's control, found by the dialog's caption and the control's number.
// An item of the dialog, or of one of its child dialogs (the pages of a window with tabs).
HWND DialogItem(char** args) {
    HWND dialog = FindWindowA(kDialogClass, args[0]);
    HWND item = dialog ? GetDlgItem(dialog, std::atoi(args[1])) : nullptr;
    for (HWND page = nullptr; dialog && !item && (page = FindWindowExA(dialog, page, kDialogClass, nullptr));)
        item = GetDlgItem(page, std::atoi(args[1]));
    return item;
}

// ---- the hub's menu ----

struct MenuLine {
    unsigned depth;
    std::string state, caption;
};

// The process of a window; 0 for none.
DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    return window ? (GetWindowThreadProcessId(window, &process), process) : 0;
}

// The hub's open menus, the top one first (Wine opens a submenu's window after its parent's).
std::vector<HWND> OpenMenus() {
    const DWORD hub = ProcessOf(Hub());
    std::vector<HWND> menus;
    for (HWND window : Windows("#32768", nullptr))
        if (hub && ProcessOf(window) == hub && IsWindowVisible(window)) menus.insert(menus.begin(), window);
    return menus;
}

std::string g_menuText;  // empty until the probe has answered: the hub's menu always has entries

LRESULT CALLBACK ProbeReplyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (message != WM_COPYDATA || data->dwData != kMenuProbe) return DefWindowProcA(window, message, wParam, lParam);
    g_menuText.assign(static_cast<const char*>(data->lpData), data->cbData);
    return TRUE;
}

// Waits for the hub's menu and has menu_probe.dll (beside this program) describe it from inside the hub.
bool ReadOpenMenu(const char* seconds, std::vector<MenuLine>& lines) {
    std::vector<HWND> menus;
    if (!WaitUntil(seconds, [&] { return !(menus = OpenMenus()).empty(); })) return false;
    WNDCLASSA replyClass = {};
    replyClass.lpfnWndProc = ProbeReplyProc;
    replyClass.lpszClassName = "PeerMenuProbe";
    RegisterClassA(&replyClass);
    HWND reply = CreateWindowExA(0, replyClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    HMODULE probe = LoadLibraryA("menu_probe.dll");
    const auto hookProc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void (*)()>(GetProcAddress(probe, "MenuProbeHook")));
    HHOOK hook = hookProc ? SetWindowsHookExA(WH_CALLWNDPROC, hookProc, probe, GetWindowThreadProcessId(menus.front(), nullptr))
                          : nullptr;
    if (!reply || !hook) return false;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(menus.front(), WM_NULL, kMenuProbe, reinterpret_cast<LPARAM>(reply), SMTO_NORMAL, 5000, &ignored);
    UnhookWindowsHookEx(hook);
    for (std::size_t start = 0, end; (end = g_menuText.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = g_menuText.substr(start, end - start);
        const std::size_t tab = line.find('\t'), second = line.find('\t', tab + 1);
        lines.push_back({static_cast<unsigned>(std::stoul(line)), line.substr(tab + 1, second - tab - 1), line.substr(second + 1)});
    }
    return !g_menuText.empty();
}

void PostKey(HWND menu, UINT key) { PostMessageA(menu, WM_KEYDOWN, key, 1); }

// Chooses the first entry with exactly this caption the way a user does with the keyboard: down to it, right
// into each submenu on the way, Enter. The keys pass over separators, as the menu does.
bool MenuChoose(char** args) {
    std::vector<MenuLine> lines;
    if (!ReadOpenMenu(args[1], lines)) return false;
    const auto stop = [&](std::size_t i) { return lines[i].state != "separator"; };
    std::vector<std::size_t> path;  // per depth, the line of the entry on the way
    for (std::size_t i = 0; i < lines.size(); ++i) {
        path.resize(lines[i].depth);
        path.push_back(i);
        if (lines[i].caption != args[0] || !stop(i)) continue;
        HWND menu = OpenMenus().front();
        for (std::size_t depth = 0; depth < path.size(); ++depth) {
            // The top menu selects its first entry with the first key, a submenu selects it as it opens.
            int steps = depth == 0 ? 1 : 0;
            for (std::size_t j = depth == 0 ? 0 : path[depth - 1] + 1; j < path[depth]; ++j)
                steps += lines[j].depth == depth && stop(j);
            for (; steps > 0; --steps) PostKey(menu, VK_DOWN);
            PostKey(menu, depth + 1 < path.size() ? VK_RIGHT : VK_RETURN);
        }
        // The hub ignores the icon while its menu is tracked: return once the menu has gone and the hub's
        // thread answers again, so that the next press is not lost.
        const bool closed = WaitUntil("10", [] { return OpenMenus().empty(); });
        if (HWND hub = Hub()) SendMessageTimeoutA(hub, WM_NULL, 0, 0, SMTO_NORMAL, 2000, nullptr);
        return closed;
    }
    return false;
}

// Memory in the process of another program's window: a list view's messages take pointers into its own process.
struct Remote {
    explicit Remote(HWND window) {
        process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(window));
        at = static_cast<char*>(VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE));
    }
    ~Remote() { VirtualFreeEx(process, at, 0, MEM_RELEASE), CloseHandle(process); }
    // The data copied over, the message sent with its address, the data copied back.
    template <typename Data>
    LRESULT Send(HWND window, UINT message, WPARAM wParam, Data& data) {
        WriteProcessMemory(process, at, &data, sizeof data, nullptr);
        const LRESULT result = SendMessageA(window, message, wParam, reinterpret_cast<LPARAM>(at));
        ReadProcessMemory(process, at, &data, sizeof data, nullptr);
        return result;
    }
    HANDLE process;
    char* at;
};

// Every row of a report list view: "text <TAB> sub-item 1 <TAB> ...".
bool ListRead(char** args) {
    HWND list = DialogItem(args);
    Remote remote(list);
    const int columns = static_cast<int>(SendMessageA(ListView_GetHeader(list), HDM_GETITEMCOUNT, 0, 0));
    for (int row = 0; list && row < SendMessageA(list, LVM_GETITEMCOUNT, 0, 0); ++row) {
        std::string line;
        for (int column = 0; column < columns; ++column) {
            struct {
                LVITEMA item;
                char text[1024];
            } cell = {};
            cell.item.iSubItem = column;
            cell.item.pszText = remote.at + sizeof cell.item;
            cell.item.cchTextMax = sizeof cell.text;
            remote.Send(list, LVM_GETITEMTEXTA, row, cell);
            line += (column ? "\t" : "") + std::string(cell.text);
        }
        Print(line);
    }
    return list && remote.at;
}

// A click on a row as the user makes it: the mouse moved onto the row, pressed and let go. Every event carries
// the place itself: a warp of the pointer alone may reach the display after the press.
bool ListClick(char** args) {
    HWND list = DialogItem(args);
    Remote remote(list);
    RECT row = {LVIR_LABEL, 0, 0, 0};
    if (!list || !remote.at || !remote.Send(list, LVM_GETITEMRECT, std::atoi(args[2]), row)) return false;
    POINT at = {row.left + 5, (row.top + row.bottom) / 2};
    ClientToScreen(list, &at);
    SetForegroundWindow(GetParent(list));
    const LONG x = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1), y = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    const DWORD flags[] = {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    INPUT clicks[3] = {};
    for (int i = 0; i < 3; ++i) clicks[i].type = INPUT_MOUSE, clicks[i].mi = {x, y, 0, flags[i] | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0, 0};
    return SendInput(3, clicks, sizeof clicks[0]) == 3;
}

// A running member administration as the hub probes for it: its main window, its form and the form's text box;
// every text sent to one of them is printed, for as long as the seconds last.
LRESULT CALLBACK AdministrationWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT) Print(reinterpret_cast<const char*>(lParam)), std::fflush(stdout);
    return DefWindowProcA(window, message, wParam, lParam);
}

bool MemberAdministration(char** args) {
    HWND parent = nullptr;
    for (const char* name : {"ThunderRT6Main", "ThunderRT6FormDC", "ThunderRT6textbox"}) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = AdministrationWindow;
        windowClass.lpszClassName = name;
        RegisterClassA(&windowClass);
        const bool box = std::strcmp(name, "ThunderRT6textbox") == 0;
        parent = CreateWindowExA(0, name, box ? "" : "Brekkan Verwaltung", box ? WS_CHILD : WS_POPUP, 0, 0, 9, 9,
                                 box ? parent : nullptr, nullptr, nullptr, nullptr);
    }
    return !WaitUntil(args[0], [] {
        for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
        return false;
    });
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) { return ++*reinterpret_cast<int*>(count), TRUE; }

// A process's handles in the system's handle list (Wine's GetProcessHandleCount answers 0).
long HandlesOf(DWORD process) {
    struct Entry { ULONG process; BYTE type, flags; USHORT value; PVOID object; ULONG access; };
    struct Table { ULONG count; Entry entries[1]; };
    std::vector<char> buffer(1 << 16);
    NTSTATUS status;
    while ((status = NtQuerySystemInformation(static_cast<SYSTEM_INFORMATION_CLASS>(16), buffer.data(), buffer.size(),
                                              nullptr)) == static_cast<NTSTATUS>(0xC0000004))  // the list is longer
        buffer.resize(buffer.size() * 2);
    const auto* table = reinterpret_cast<const Table*>(buffer.data());
    return status ? -1 : std::count_if(table->entries, table->entries + table->count, [&](const Entry& e) { return e.process == process; });
}

// What a leak in the hub would make grow: its handles, its windows (top-level ones and their children), its
// working set and its GDI and USER objects (Wine answers 0 for those two).
bool HubCounters(char**) {
    const DWORD id = ProcessOf(Hub());
    int windows = 0;
    for (HWND window : Windows(nullptr, nullptr))
        if (id && ProcessOf(window) == id) ++windows, EnumChildWindows(window, CountWindow, reinterpret_cast<LPARAM>(&windows));
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
    PROCESS_MEMORY_COUNTERS memory = {};
    const bool read = id && GetProcessMemoryInfo(process, &memory, sizeof memory);
    Print("handles " + std::to_string(HandlesOf(id)) + " windows " + std::to_string(windows) + " workingset_kb " +
          std::to_string(memory.WorkingSetSize / 1024) + " gdi " + std::to_string(GetGuiResources(process, GR_GDIOBJECTS)) +
          " user " + std::to_string(GetGuiResources(process, GR_USEROBJECTS)));
    CloseHandle(process);
    return read;
}

struct Command {
    const char* name;
    int argumentCount;
    const char* usage;
    bool (*run)(char** args);
};

const Command kCommands[] = {
    {"wait-window", 3, "CLASS|- CAPTION|- SECONDS", [](char** args) {
         std::vector<HWND> found;
         WaitUntil(args[2], [&] { return !(found = Windows(args[0], args[1])).empty(); });
         for (HWND window : found)
             Print(std::to_string(reinterpret_cast<UINT_PTR>(window)) + "\t" + ClassOf(window) + "\t" + Caption(window) +
                   (IsWindowVisible(window) ? "\tvisible" : "\thidden"));
         return !found.empty();
     }},
    {"wait-no-window", 3, "CLASS|- CAPTION|- SECONDS",
     [](char** args) { return WaitUntil(args[2], [&] { return Windows(args[0], args[1]).empty(); }); }},
    // As the suite's programs do it: the top-level window with the exact caption, its first text box,
    // WM_SETTEXT. The receiver may end itself while handling the text, so the send is bounded.
    {"send-command", 2, "CAPTION TEXT", [](char** args) {
         HWND window = FindWindowA(nullptr, args[0]);
         HWND box = window ? FindWindowExA(window, nullptr, "ThunderRT6TextBox", nullptr) : nullptr;
         DWORD_PTR ignored = 0;
         if (box) SendMessageTimeoutA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[1]), SMTO_NORMAL, 10000, &ignored);
         return box != nullptr;
     }},
    {"wait-box", 1, "SECONDS", WaitBox},
    {"answer-box", 2, "TITLE OK|Cancel|Yes|No", AnswerBox},
    {"dialog-set", 3, "CAPTION CONTROL-ID TEXT", [](char** args) {
         HWND item = DialogItem(args);
         return item && SendMessageA(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[2]));
     }},
    // Asked with WM_GETTEXT: GetWindowText gives another process's control only its caption, not an edit's text.
    {"dialog-get", 2, "CAPTION CONTROL-ID", [](char** args) {
         char text[1024] = {};
         DWORD_PTR ignored = 0;
         HWND item = DialogItem(args);
         if (!item) return false;
         SendMessageTimeoutA(item, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, &ignored);
         Print(Escape(text));
         return true;
     }},
    // The number of the control that has the focus in the dialog's thread; the edit inside a combo box
    // stands for the combo box.
    {"dialog-focus", 1, "CAPTION", [](char** args) {
         HWND dialog = FindWindowA(kDialogClass, args[0]);
         GUITHREADINFO thread = {};
         thread.cbSize = sizeof thread;
         if (!dialog || !GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread) || !thread.hwndFocus) return false;
         Print(std::to_string(GetDlgCtrlID(GetParent(thread.hwndFocus) == dialog ? thread.hwndFocus : GetParent(thread.hwndFocus))));
         return true;
     }},
    // Whether the dialog takes input: Windows disables the owner of an open message box.
    {"dialog-enabled", 1, "CAPTION", [](char** args) { return IsWindowEnabled(FindWindowA(kDialogClass, args[0])) != 0; }},
    // The character a password field shows for each one typed; nothing when the field shows what is typed.
    {"dialog-password-char", 2, "CAPTION CONTROL-ID", [](char** args) {
         HWND item = DialogItem(args);
         const auto shown = item ? SendMessageA(item, EM_GETPASSWORDCHAR, 0, 0) : 0;
         if (shown) Print(std::string(1, static_cast<char>(shown)));
         return shown != 0;
     }},
    // A list entry chosen as the user chooses it: the list's owner hears of the change.
    {"dialog-select", 3, "CAPTION CONTROL-ID INDEX", [](char** args) {
         HWND item = DialogItem(args);
         if (!item || SendMessageA(item, CB_SETCURSEL, std::atoi(args[2]), 0) == CB_ERR) return false;
         return PostMessageA(GetParent(item), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(item), CBN_SELCHANGE), LPARAM(item)) != 0;
     }},
    // Posted: the button's action may open a window of its own or end the program before it would answer.
    {"dialog-click", 2, "CAPTION CONTROL-ID",
     [](char** args) { return DialogItem(args) && PostMessageA(DialogItem(args), BM_CLICK, 0, 0); }},
    // "REG_SZ <TAB> text" or "REG_DWORD <TAB> number" of a value under HKLM.
    {"reg-get", 2, "HKLM-PATH NAME", [](char** args) {
         HKEY key = nullptr;
         char data[4096] = {};
         DWORD type = 0, size = sizeof data - 1, number = 0;
         if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, args[0], 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS) return false;
         const bool found = RegQueryValueExA(key, args[1], nullptr, &type, reinterpret_cast<BYTE*>(data), &size) == ERROR_SUCCESS;
         RegCloseKey(key);
         std::memcpy(&number, data, sizeof number);
         if (found) Print(type == REG_DWORD ? "REG_DWORD\t" + std::to_string(number) : (type == REG_SZ ? "REG_SZ\t" : "REG_OTHER\t") + Escape(data));
         return found;
     }},
    {"list-read", 2, "CAPTION CONTROL-ID", ListRead},
    {"list-click", 3, "CAPTION CONTROL-ID ROW", ListClick},
    {"member-administration", 1, "SECONDS", MemberAdministration},
    // A value of the member database as the suite's programs read it: the profile functions, key and value
    // scrambled.
    {"database-get", 3, "FILE SECTION KEY", [](char** args) {
         char value[256] = {};
         GetPrivateProfileStringA(args[1], kolvane::Crypt(args[2])->c_str(), "", value, sizeof value, args[0]);
         const std::optional<std::string> plain = kolvane::Crypt(value);
         if (plain) Print(Escape(*plain));
         return plain.has_value();
     }},
    // A component at work: a new key "K<n>" after another in the section, through the profile functions and
    // scrambled, for as long as the seconds last; then every key it wrote read back. Prints "written N refused R
    // lost L"; true when none of its writes is lost.
    {"database-write-loop", 3, "FILE SECTION SECONDS", [](char** args) {
         std::vector<int> written;
         int refused = 0, lost = 0;
         const auto key = [](int n) { return *kolvane::Crypt("K" + std::to_string(n)); };
         WaitUntil(args[2], [&, n = 0]() mutable {
             ++n;
             const bool done = WritePrivateProfileStringA(args[1], key(n).c_str(), kolvane::Crypt(std::to_string(n))->c_str(), args[0]);
             done ? written.push_back(n) : void(++refused);
             return false;
         });
         for (int n : written) {
             char value[64] = {};
             GetPrivateProfileStringA(args[1], key(n).c_str(), "", value, sizeof value, args[0]);
             lost += kolvane::Crypt(value) != std::to_string(n);
         }
         Print("written " + std::to_string(written.size()) + " refused " + std::to_string(refused) + " lost " + std::to_string(lost));
         return lost == 0;
     }},
    {"menu-read", 1, "SECONDS", [](char** args) {
         std::vector<MenuLine> lines;
         if (!ReadOpenMenu(args[0], lines)) return false;
         for (const MenuLine& l : lines) Print(std::to_string(l.depth) + "\t" + l.state + "\t" + Escape(l.caption));
         return true;
     }},
    {"menu-choose", 2, "CAPTION SECONDS", MenuChoose},
    // Closes the open menu as Esc does, one level at a time.
    {"menu-close", 1, "SECONDS", [](char** args) {
         return WaitUntil(args[0], [] {
             const std::vector<HWND> menus = OpenMenus();
             if (!menus.empty()) PostKey(menus.back(), VK_ESCAPE);
             return menus.empty();
         });
     }},
    // As the task bar does: the event posted to the icon's window, the mouse message in lParam.
    {"icon-event", 1, "MOUSE-MESSAGE",
     [](char** args) { return Symbol() && PostMessageA(Symbol(), kSymbolCallback, kIconId, std::atol(args[0])); }},
    // Explorer restarts: the new task bar knows no icon (the shell knows one by its window and number) and
    // announces itself.
    {"restart-taskbar", 0, "", [](char**) {
         NOTIFYICONDATAA record = {};
         record.cbSize = NOTIFYICONDATAA_V2_SIZE;
         record.hWnd = Symbol();
         record.uID = kIconId;
         return record.hWnd && Shell_NotifyIconA(NIM_DELETE, &record) &&
                SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
     }},
    // The hidden hub window made visible. Asynchronous: the hub may end while handling it.
    {"hub-counters", 0, "", HubCounters},
    {"show-hub", 0, "", [](char**) { return Hub() && ShowWindowAsync(Hub(), SW_SHOWNORMAL); }},
    // The messages of a log-off: the question (prints the answer), then the end of the session.
    {"end-session", 0, "", [](char**) {
         DWORD_PTR answer = 0;
         if (!Hub()) return false;
         SendMessageTimeoutA(Hub(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &answer);
         Print(answer ? "yes" : "no");
         SendMessageTimeoutA(Hub(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 10000, &answer);
         return true;
     }},
};

}  // namespace

// Output is binary, so that Windows-1252 texts reach the scripts as bytes.
int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    for (const Command& command : kCommands)
        if (argc >= 2 && std::strcmp(command.name, argv[1]) == 0 && argc - 2 == command.argumentCount)
            return command.run(argv + 2) ? 0 : 1;
    for (const Command& command : kCommands) std::fprintf(stderr, "peer %s %s\n", command.name, command.usage);
    return 2;
}
