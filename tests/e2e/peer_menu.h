// The peer's commands for the hub's popup menu and its small windows; included by peer.cpp inside its
// unnamed namespace, after its helpers (Print, Escape, WaitUntil, TopLevelWindows, WindowClass, WindowText,
// kFormClass).
//
// Wine keeps a menu inside the process that owns it: another process's GetMenuItemCount on the handle that
// MN_GETHMENU gives fails. So the menu is read from inside the hub: a window hook whose module is this very
// program. Wine loads the module into the hub for the hook, but an EXE loaded that way is neither relocated
// nor bound to its imports, so the hook's code below uses no C runtime, no import table and no absolute
// address: it finds the system's functions itself, through the loader's module list and their exports.
// Only 64-bit code addresses its data relative to the instruction pointer: the probe needs the win64 peer,
// which is what the end-to-end tests run.
#include <winternl.h>

// ---- inside the hub ----

constexpr WPARAM kMenuProbe = 0x4B4F4C56;  // "KOLV" in wParam of a WM_NULL sent to the menu window
constexpr int kProbeTextSize = 32768;

#define PROBE_CODE __attribute__((noinline, optimize("no-tree-loop-distribute-patterns")))

struct ProbeApi {
    decltype(&::SendMessageA) sendMessage;
    decltype(&::GetMenuItemCount) itemCount;
    decltype(&::GetMenuItemInfoA) itemInfo;
    decltype(&::GetMenuStringA) itemString;
};

struct ProbeText {
    char* bytes;
    int length;
};

PROBE_CODE char ProbeLower(unsigned c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); }

// The file-name part of the module's path equals the name, ASCII letters compared without case.
PROBE_CODE bool ProbeModuleIs(const UNICODE_STRING& path, const char* name) {
    int length = path.Length / 2;
    int start = length;
    while (start > 0 && path.Buffer[start - 1] != L'\\') --start;
    int i = 0;
    for (; start + i < length && name[i]; ++i)
        if (ProbeLower(path.Buffer[start + i]) != ProbeLower(static_cast<unsigned char>(name[i]))) return false;
    return start + i == length && name[i] == 0;
}

// The process block, from the thread block that the segment register points to.
PROBE_CODE const PEB* ProbePeb() {
    const PEB* peb;
#if defined(__x86_64__)
    asm("movq %%gs:0x60, %0" : "=r"(peb));
#else
    asm("movl %%fs:0x30, %0" : "=r"(peb));
#endif
    return peb;
}

PROBE_CODE BYTE* ProbeModule(const char* name) {
    const PEB* peb = ProbePeb();
    const LIST_ENTRY* head = &peb->Ldr->InMemoryOrderModuleList;
    for (const LIST_ENTRY* link = head->Flink; link != head; link = link->Flink) {
        const auto* module = CONTAINING_RECORD(link, LDR_DATA_TABLE_ENTRY, InMemoryOrderLinks);
        if (ProbeModuleIs(module->FullDllName, name)) return static_cast<BYTE*>(module->DllBase);
    }
    return nullptr;
}

PROBE_CODE bool ProbeSame(const char* a, const char* b) {
    while (*a && *a == *b) ++a, ++b;
    return *a == *b;
}

PROBE_CODE void* ProbeExport(BYTE* base, const char* name) {
    if (!base) return nullptr;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    const auto* names = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    const auto* ordinals = reinterpret_cast<const WORD*>(base + exports->AddressOfNameOrdinals);
    const auto* functions = reinterpret_cast<const DWORD*>(base + exports->AddressOfFunctions);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        if (!ProbeSame(reinterpret_cast<const char*>(base + names[i]), name)) continue;
        const DWORD address = functions[ordinals[i]];
        // A forwarded export names another module's function instead of holding code.
        if (address >= directory.VirtualAddress && address < directory.VirtualAddress + directory.Size) return nullptr;
        return base + address;
    }
    return nullptr;
}

// Any function pointer converts through the generic one without a warning about its signature.
template <typename Function>
Function ProbeAs(FARPROC address) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

// The loader's own lookup (which follows forwarded exports) does the rest.
PROBE_CODE bool ProbeResolve(ProbeApi& api) {
    BYTE* kernel = ProbeModule("kernel32.dll");
    const auto getProc = reinterpret_cast<decltype(&::GetProcAddress)>(ProbeExport(kernel, "GetProcAddress"));
    const auto getModule = reinterpret_cast<decltype(&::GetModuleHandleA)>(ProbeExport(kernel, "GetModuleHandleA"));
    if (!getProc || !getModule) return false;
    HMODULE user = getModule("user32.dll");
    api.sendMessage = ProbeAs<decltype(api.sendMessage)>(getProc(user, "SendMessageA"));
    api.itemCount = ProbeAs<decltype(api.itemCount)>(getProc(user, "GetMenuItemCount"));
    api.itemInfo = ProbeAs<decltype(api.itemInfo)>(getProc(user, "GetMenuItemInfoA"));
    api.itemString = ProbeAs<decltype(api.itemString)>(getProc(user, "GetMenuStringA"));
    return api.sendMessage && api.itemCount && api.itemInfo && api.itemString;
}

PROBE_CODE void ProbeAppend(ProbeText& text, const char* part, int length = -1) {
    for (int i = 0; (length < 0 ? part[i] != 0 : i < length) && text.length < kProbeTextSize - 1; ++i)
        text.bytes[text.length++] = part[i];
}

PROBE_CODE void ProbeAppendNumber(ProbeText& text, unsigned number) {
    char digits[12];
    int count = 0;
    do digits[count++] = static_cast<char>('0' + number % 10);
    while ((number /= 10) != 0);
    while (count > 0) ProbeAppend(text, &digits[--count], 1);
}

// One line per entry, depth first in the order shown: depth, command, state, caption.
PROBE_CODE void ProbeDescribe(const ProbeApi& api, HMENU menu, unsigned depth, ProbeText& text) {
    const int count = api.itemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA item;
        for (unsigned i = 0; i < sizeof item; ++i) reinterpret_cast<volatile char*>(&item)[i] = 0;
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU;
        if (!api.itemInfo(menu, static_cast<UINT>(position), TRUE, &item)) continue;
        char caption[512];
        const int length = api.itemString(menu, static_cast<UINT>(position), caption, sizeof caption, MF_BYPOSITION);
        ProbeAppendNumber(text, depth);
        ProbeAppend(text, "\t");
        ProbeAppendNumber(text, item.wID);
        ProbeAppend(text, "\t");
        if (item.fType & MFT_SEPARATOR) ProbeAppend(text, "separator");
        else ProbeAppend(text, item.fState & MFS_GRAYED ? "grayed" : "enabled");
        if (item.fState & MFS_CHECKED) ProbeAppend(text, ",checked");
        if (item.hSubMenu) ProbeAppend(text, ",popup");
        ProbeAppend(text, "\t");
        ProbeAppend(text, caption, length > 0 ? length : 0);
        ProbeAppend(text, "\n");
        if (item.hSubMenu) ProbeDescribe(api, item.hSubMenu, depth + 1, text);
    }
}

PROBE_CODE LRESULT CALLBACK MenuProbeHook(int code, WPARAM, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    ProbeApi api;
    if (code != HC_ACTION || sent->message != WM_NULL || sent->wParam != kMenuProbe || !ProbeResolve(api)) return 0;
    char bytes[kProbeTextSize];
    ProbeText text{bytes, 0};
    ProbeDescribe(api, reinterpret_cast<HMENU>(api.sendMessage(sent->hwnd, MN_GETHMENU, 0, 0)), 0, text);
    COPYDATASTRUCT data;
    data.dwData = kMenuProbe;
    data.cbData = static_cast<DWORD>(text.length);
    data.lpData = bytes;
    api.sendMessage(reinterpret_cast<HWND>(sent->lParam), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    return 0;
}

// ---- in the peer ----

constexpr char kMenuClass[] = "#32768";
constexpr char kHubWindowCaption[] = "Brekkan Orvintal  ";

struct MenuEntryLine {
    unsigned depth;
    std::string command, state, caption;
};

DWORD HubProcess() {
    DWORD process = 0;
    if (HWND hub = FindWindowA(kFormClass, kHubWindowCaption)) GetWindowThreadProcessId(hub, &process);
    return process;
}

// The hub's open menus, the top one first (Wine opens a submenu's window after its parent's).
std::vector<HWND> OpenMenus() {
    const DWORD hub = HubProcess();
    std::vector<HWND> menus;
    for (HWND window : TopLevelWindows()) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (hub && process == hub && IsWindowVisible(window) && WindowClass(window) == kMenuClass)
            menus.insert(menus.begin(), window);
    }
    return menus;
}

std::string g_probeText;
bool g_probeAnswered = false;

LRESULT CALLBACK ProbeReplyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        if (data->dwData == kMenuProbe) {
            g_probeText.assign(static_cast<const char*>(data->lpData), data->cbData);
            g_probeAnswered = true;
        }
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

std::optional<std::vector<MenuEntryLine>> ReadOpenMenu(double seconds) {
    std::vector<HWND> menus;
    if (!WaitUntil(seconds, [&] { return !(menus = OpenMenus()).empty(); })) return std::nullopt;
    WNDCLASSA replyClass = {};
    replyClass.lpfnWndProc = ProbeReplyProc;
    replyClass.hInstance = GetModuleHandleA(nullptr);
    replyClass.lpszClassName = "PeerMenuProbe";
    RegisterClassA(&replyClass);
    HWND reply = CreateWindowExA(0, replyClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 replyClass.hInstance, nullptr);
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, MenuProbeHook, GetModuleHandleA(nullptr),
                                   GetWindowThreadProcessId(menus.front(), nullptr));
    if (!reply || !hook) return std::nullopt;
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(menus.front(), WM_NULL, kMenuProbe, reinterpret_cast<LPARAM>(reply), SMTO_NORMAL, 5000, &ignored);
    UnhookWindowsHookEx(hook);
    DestroyWindow(reply);
    if (!g_probeAnswered) return std::nullopt;
    std::vector<MenuEntryLine> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = g_probeText.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = g_probeText.substr(start, end - start);
        const std::size_t a = line.find('\t'), b = line.find('\t', a + 1), c = line.find('\t', b + 1);
        lines.push_back({static_cast<unsigned>(std::stoul(line.substr(0, a))), line.substr(a + 1, b - a - 1),
                         line.substr(b + 1, c - b - 1), line.substr(c + 1)});
    }
    return lines;
}

// Prints the open menu of the hub, one line per entry: depth, command (the entry's number), state
// ("enabled", "grayed" or "separator", with ",checked" and ",popup"), caption.
int MenuRead(char** args) {
    const auto lines = ReadOpenMenu(std::atof(args[0]));
    if (!lines) return 1;
    for (const MenuEntryLine& l : *lines)
        Print(std::to_string(l.depth) + "\t" + l.command + "\t" + l.state + "\t" + Escape(l.caption));
    return 0;
}

void PostKey(HWND menu, UINT key) { PostMessageA(menu, WM_KEYDOWN, key, 1); }

// Chooses the first entry with exactly this caption the way a user does with the keyboard: down to it, right
// into each submenu on the way, Enter. Separators are passed over by the keys, as by the menu.
int MenuChoose(char** args) {
    const auto lines = ReadOpenMenu(std::atof(args[1]));
    if (!lines) return 1;
    std::vector<std::size_t> path;  // per depth, the index of the line of the open submenu's entry
    for (std::size_t i = 0; i < lines->size(); ++i) {
        const MenuEntryLine& line = (*lines)[i];
        path.resize(line.depth);
        if (line.caption != args[0] || line.state.rfind("separator", 0) == 0) {
            path.push_back(i);
            continue;
        }
        path.push_back(i);
        HWND menu = OpenMenus().front();
        for (std::size_t depth = 0; depth < path.size(); ++depth) {
            // How many entries that keys stop at lie before it at its level (from the first, which the top
            // menu selects with the first key and a submenu selects as it opens).
            int steps = depth == 0 ? 1 : 0;
            const std::size_t first = depth == 0 ? 0 : path[depth - 1] + 1;
            for (std::size_t j = first; j < path[depth]; ++j)
                if ((*lines)[j].depth == depth && (*lines)[j].state.rfind("separator", 0) != 0) ++steps;
            for (int k = 0; k < steps; ++k) PostKey(menu, VK_DOWN);
            PostKey(menu, depth + 1 < path.size() ? VK_RIGHT : VK_RETURN);
        }
        Print("chosen\t" + line.command);
        return 0;
    }
    std::fprintf(stderr, "no entry \"%s\"\n", args[0]);
    return 1;
}

// Closes the open menu as Esc does, one level at a time.
int MenuClose(char** args) {
    return WaitUntil(std::atof(args[0]), [] {
               const std::vector<HWND> menus = OpenMenus();
               if (!menus.empty()) PostKey(menus.back(), VK_ESCAPE);
               return menus.empty();
           })
               ? 0
               : 1;
}

// ---- the hub's own windows: a control of a dialog found by the dialog's caption ----

HWND DialogItem(const char* caption, const char* id) {
    HWND dialog = FindWindowA("#32770", caption);
    return dialog ? GetDlgItem(dialog, std::atoi(id)) : nullptr;
}

int DialogSet(char** args) {
    HWND item = DialogItem(args[0], args[1]);
    return item && SendMessageA(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[2])) ? 0 : 1;
}

// Asked with WM_GETTEXT: GetWindowText gives another process's control only its caption, not an edit's text.
int DialogGet(char** args) {
    HWND item = DialogItem(args[0], args[1]);
    if (!item) return 1;
    char text[1024] = {};
    const LRESULT length = SendMessageA(item, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    Print(Escape(std::string(text, static_cast<std::size_t>(length > 0 ? length : 0))));
    return 0;
}

// The number of the control that has the focus in the dialog's thread.
int DialogFocus(char** args) {
    HWND dialog = FindWindowA("#32770", args[0]);
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    if (!dialog || !GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread) || !thread.hwndFocus) return 1;
    HWND focus = thread.hwndFocus;
    // The edit inside a combo box stands for the combo box.
    if (GetParent(focus) != dialog) focus = GetParent(focus);
    Print(std::to_string(GetDlgCtrlID(focus)));
    return 0;
}

// Posted: the button's action may open a window of its own or end the program before it would answer.
int DialogClick(char** args) {
    HWND item = DialogItem(args[0], args[1]);
    return item && PostMessageA(item, BM_CLICK, 0, 0) ? 0 : 1;
}
