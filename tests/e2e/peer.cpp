// The end-to-end tests' stand-in for another program of the suite: it looks for windows and message
// boxes, sends commands into a program's command box, answers message boxes, reads and writes the
// settings through the 32-bit registry view (as the suite's 32-bit programs see them) and waits for
// processes. One subcommand per run; results go to stdout as tab-separated lines of Windows-1252 text,
// line feeds inside a text written as "\n"; exit code 0 = done or found, 1 = not found or failed,
// 2 = wrong usage.
#include <windows.h>
// after windows.h, which it needs
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "command_line.h"

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using Key = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

constexpr DWORD kPollMs = 100;
constexpr char kMessageBoxClass[] = "#32770";
constexpr int kMessageBoxTextId = 0xFFFF;

void Print(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else out += c;
    }
    return out;
}

// "-" stands for "any" in class and caption arguments.
const char* AnyOr(const char* argument) { return std::strcmp(argument, "-") == 0 ? nullptr : argument; }

std::string WindowText(HWND window) {
    char text[1024] = {};
    const int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}

std::string WindowClass(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? length : 0);
}

std::string Describe(HWND window) {
    char handle[32];
    std::snprintf(handle, sizeof handle, "%p", static_cast<void*>(window));
    return std::string(handle) + "\t" + WindowClass(window) + "\t" + WindowText(window) + "\t" +
           (IsWindowVisible(window) ? "visible" : "hidden");
}

// Polls the condition until it holds or the seconds have passed.
template <typename Condition>
bool WaitUntil(double seconds, Condition condition) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(kPollMs);
    }
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// ---- message boxes ----

struct ButtonName {
    const char* name;
    int id;
};

constexpr ButtonName kButtons[] = {
    {"OK", IDOK},         {"Cancel", IDCANCEL}, {"Abort", IDABORT}, {"Retry", IDRETRY},
    {"Ignore", IDIGNORE}, {"Yes", IDYES},       {"No", IDNO},
};

bool IsMessageBox(HWND window) {
    return IsWindowVisible(window) && WindowClass(window) == kMessageBoxClass &&
           GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

std::vector<HWND> MessageBoxes(const char* title) {
    std::vector<HWND> boxes;
    for (HWND window : TopLevelWindows())
        if (IsMessageBox(window) && (!title || WindowText(window) == title)) boxes.push_back(window);
    return boxes;
}

struct IconName {
    const char* name;
    LPCSTR id;
    UINT style;
};

// Not constexpr: the system icon ids are casts from integers.
const IconName kIcons[] = {
    {"stop", IDI_HAND, MB_ICONSTOP},
    {"question", IDI_QUESTION, MB_ICONQUESTION},
    {"exclamation", IDI_EXCLAMATION, MB_ICONEXCLAMATION},
    {"information", IDI_ASTERISK, MB_ICONINFORMATION},
};

// A 32-bit top-down bitmap selected into a memory device context.
class Dib {
public:
    Dib(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const DWORD*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
        size_ = bits_ ? static_cast<size_t>(width) * height : 0;
    }
    ~Dib() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Dib(const Dib&) = delete;
    Dib& operator=(const Dib&) = delete;
    HDC dc() const { return dc_; }
    // RGB of each pixel, once the drawing has been flushed.
    std::vector<DWORD> Pixels() const {
        GdiFlush();
        std::vector<DWORD> pixels(bits_, bits_ + size_);
        for (DWORD& pixel : pixels) pixel &= 0xFFFFFF;
        return pixels;
    }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const DWORD* bits_ = nullptr;
    size_t size_ = 0;
};

// The name of the system icon whose picture fills the rectangle of the screen, or "other".
std::string IconOnScreen(const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    Dib screen(width, height);
    HDC desktop = GetDC(nullptr);
    BitBlt(screen.dc(), 0, 0, width, height, desktop, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, desktop);
    const std::vector<DWORD> shown = screen.Pixels();
    if (shown.empty()) return "other";
    const DWORD background = shown.front();  // the corners of the system icons are transparent
    for (const IconName& candidate : kIcons) {
        Dib drawn(width, height);
        const HBRUSH brush = CreateSolidBrush(RGB(GetBValue(background), GetGValue(background), GetRValue(background)));
        const RECT all = {0, 0, width, height};
        FillRect(drawn.dc(), &all, brush);
        DeleteObject(brush);
        DrawIconEx(drawn.dc(), 0, 0, LoadIconA(nullptr, candidate.id), 0, 0, 0, nullptr, DI_NORMAL | DI_DEFAULTSIZE);
        if (drawn.Pixels() == shown) return candidate.name;
    }
    return "other";
}

// The icon of a message box belongs to the other process and cannot be read through its handle, so
// the picture on the screen is compared with each system icon drawn on the same background. A box that
// has just appeared may not be painted yet: the comparison is repeated for a moment.
std::string BoxIcon(HWND box) {
    HWND icon = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child && !icon; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child)) icon = child;
    RECT rect;
    if (!icon || !SendMessageA(icon, STM_GETICON, 0, 0) || !GetWindowRect(icon, &rect)) return "none";
    std::string name;
    WaitUntil(3, [&] { return (name = IconOnScreen(rect)) != "other"; });
    return name;
}

// title <TAB> text <TAB> buttons joined by "|" <TAB> icon
std::string DescribeBox(HWND box) {
    std::string buttons;
    for (const ButtonName& button : kButtons) {
        HWND control = GetDlgItem(box, button.id);
        if (!control || !IsWindowVisible(control)) continue;
        if (!buttons.empty()) buttons += "|";
        buttons += button.name;
    }
    return Escape(WindowText(box)) + "\t" + Escape(WindowText(GetDlgItem(box, kMessageBoxTextId))) + "\t" +
           buttons + "\t" + BoxIcon(box);
}

// ---- registry ----

struct RootName {
    const char* name;
    HKEY root;
};

// Not constexpr: the predefined keys are casts from integers.
const RootName kRoots[] = {
    {"HKLM", HKEY_LOCAL_MACHINE}, {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKCU", HKEY_CURRENT_USER},  {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKCR", HKEY_CLASSES_ROOT},  {"HKU", HKEY_USERS},
};

struct TypeName {
    const char* name;
    DWORD type;
};

constexpr TypeName kTypes[] = {
    {"REG_SZ", REG_SZ},         {"REG_EXPAND_SZ", REG_EXPAND_SZ}, {"REG_BINARY", REG_BINARY},
    {"REG_DWORD", REG_DWORD},   {"REG_MULTI_SZ", REG_MULTI_SZ},   {"REG_NONE", REG_NONE},
};

std::optional<HKEY> ParseRoot(const char* name) {
    for (const RootName& root : kRoots)
        if (_stricmp(root.name, name) == 0) return root.root;
    std::fprintf(stderr, "unknown root %s\n", name);
    return std::nullopt;
}

std::optional<DWORD> ParseType(const char* name) {
    for (const TypeName& type : kTypes)
        if (_stricmp(type.name, name) == 0) return type.type;
    std::fprintf(stderr, "unknown type %s\n", name);
    return std::nullopt;
}

const char* TypeText(DWORD type) {
    for (const TypeName& entry : kTypes)
        if (entry.type == type) return entry.name;
    return "REG_OTHER";
}

Key OpenKey(HKEY root, const char* path, REGSAM access, bool create) {
    HKEY key = nullptr;
    const LONG status = create ? RegCreateKeyExA(root, path, 0, nullptr, 0, access | KEY_WOW64_32KEY, nullptr,
                                                 &key, nullptr)
                               : RegOpenKeyExA(root, path, 0, access | KEY_WOW64_32KEY, &key);
    if (status != ERROR_SUCCESS) {
        std::fprintf(stderr, "cannot open key %s: error %ld\n", path, status);
        return Key();
    }
    return Key(key);
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char pair[3];
    for (unsigned char byte : bytes) {
        std::snprintf(pair, sizeof pair, "%02X", byte);
        out += pair;
    }
    return out;
}

std::optional<std::string> Unhex(const char* text) {
    std::string out;
    const size_t length = std::strlen(text);
    if (length % 2 != 0) return std::nullopt;
    for (size_t i = 0; i < length; i += 2) {
        char* end = nullptr;
        const std::string pair(text + i, 2);
        const long value = std::strtol(pair.c_str(), &end, 16);
        if (*end != '\0') return std::nullopt;
        out += static_cast<char>(value);
    }
    return out;
}

// ---- subcommands ----

int ListWindows(char**) {
    for (HWND window : TopLevelWindows()) Print(Describe(window));
    return 0;
}

// Every top-level window, hidden ones included, whose class (compared without case, as Windows does)
// and exact caption match.
std::vector<HWND> MatchingWindows(const char* className, const char* caption) {
    std::vector<HWND> matches;
    for (HWND window : TopLevelWindows())
        if ((!className || _stricmp(WindowClass(window).c_str(), className) == 0) &&
            (!caption || WindowText(window) == caption))
            matches.push_back(window);
    return matches;
}

int PrintAll(const std::vector<HWND>& windows) {
    for (HWND window : windows) Print(Describe(window));
    return windows.empty() ? 1 : 0;
}

int FindWindowCommand(char** args) { return PrintAll(MatchingWindows(AnyOr(args[0]), AnyOr(args[1]))); }

int WaitWindow(char** args) {
    std::vector<HWND> windows;
    WaitUntil(std::atof(args[2]),
              [&] { return !(windows = MatchingWindows(AnyOr(args[0]), AnyOr(args[1]))).empty(); });
    return PrintAll(windows);
}

int WaitNoWindow(char** args) {
    return WaitUntil(std::atof(args[2]), [&] { return MatchingWindows(AnyOr(args[0]), AnyOr(args[1])).empty(); })
               ? 0
               : 1;
}

int FindChild(char** args) {
    std::vector<HWND> children;
    for (HWND window : MatchingWindows(nullptr, args[0]))
        for (HWND child = FindWindowExA(window, nullptr, args[1], nullptr); child;
             child = FindWindowExA(window, child, args[1], nullptr))
            children.push_back(child);
    return PrintAll(children);
}

// As the suite's programs do it: the top-level window with the exact caption, its first text box,
// WM_SETTEXT. The receiver may end itself while handling the text, so the send is bounded.
int SendCommand(char** args) {
    HWND window = FindWindowA(nullptr, args[0]);
    HWND box = window ? FindWindowExA(window, nullptr, "ThunderRT6TextBox", nullptr) : nullptr;
    if (!box) {
        std::fprintf(stderr, "no command box in a window titled \"%s\"\n", args[0]);
        return 1;
    }
    DWORD_PTR result = 0;
    SendMessageTimeoutA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[1]), SMTO_NORMAL, 10000, &result);
    Print("sent");
    return 0;
}

int ListBoxes(char**) {
    for (HWND box : MessageBoxes(nullptr)) Print(DescribeBox(box));
    return 0;
}

int WaitBox(char** args) {
    std::vector<HWND> boxes;
    if (!WaitUntil(std::atof(args[0]), [&] { return !(boxes = MessageBoxes(nullptr)).empty(); })) return 1;
    for (HWND box : boxes) Print(DescribeBox(box));
    return 0;
}

int AnswerBox(char** args) {
    const ButtonName* button = nullptr;
    for (const ButtonName& entry : kButtons)
        if (_stricmp(entry.name, args[1]) == 0) button = &entry;
    if (!button) {
        std::fprintf(stderr, "unknown button %s\n", args[1]);
        return 2;
    }
    const std::vector<HWND> boxes = MessageBoxes(AnyOr(args[0]));
    if (boxes.empty() || !GetDlgItem(boxes.front(), button->id)) {
        std::fprintf(stderr, "no message box \"%s\" with the button %s\n", args[0], button->name);
        return 1;
    }
    HWND box = boxes.front();
    Print(DescribeBox(box));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(button->id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, button->id)));
    return WaitUntil(10, [&] { return !IsWindow(box) || !IsWindowVisible(box); }) ? 0 : 1;
}

struct BoxStyle {
    const char* name;
    UINT style;
};

constexpr BoxStyle kBoxStyles[] = {
    {"OK", MB_OK},
    {"OKCancel", MB_OKCANCEL},
    {"YesNo", MB_YESNO},
    {"YesNoCancel", MB_YESNOCANCEL},
    {"RetryCancel", MB_RETRYCANCEL},
};

// Shows a message box as another program of the suite would, and prints the button chosen.
int ShowMessageBox(char** args) {
    const BoxStyle* buttons = nullptr;
    for (const BoxStyle& style : kBoxStyles)
        if (_stricmp(style.name, args[2]) == 0) buttons = &style;
    const IconName* icon = nullptr;
    for (const IconName& entry : kIcons)
        if (_stricmp(entry.name, args[3]) == 0) icon = &entry;
    if (!buttons || (!icon && _stricmp(args[3], "none") != 0)) {
        std::fprintf(stderr, "unknown buttons %s or icon %s\n", args[2], args[3]);
        return 2;
    }
    const int answer = MessageBoxA(nullptr, args[1], args[0], buttons->style | (icon ? icon->style : 0));
    for (const ButtonName& button : kButtons)
        if (button.id == answer) Print(button.name);
    return 0;
}

// ---- a receiver of commands ----

constexpr char kFormClass[] = "ThunderRT6FormDC";
constexpr char kTextBoxClass[] = "ThunderRT6TextBox";

LRESULT CALLBACK CommandBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTEXT && lParam) {
        const std::string text = reinterpret_cast<const char*>(lParam);
        Print("received\t" + Escape(text));
        if (text == "$Ende$") PostQuitMessage(0);
    }
    return DefWindowProcA(box, message, wParam, lParam);
}

// Plays a program of the suite that obeys the command channel: a hidden window of the suite's form
// class with the caption, holding a command box; prints every text put into the box and ends on
// "$Ende$" (exit 0) or after the seconds (exit 1).
int Serve(char** args) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA form = {};
    form.lpfnWndProc = DefWindowProcA;
    form.hInstance = instance;
    form.lpszClassName = kFormClass;
    WNDCLASSA box = form;
    box.lpfnWndProc = CommandBoxProc;
    box.lpszClassName = kTextBoxClass;
    if (!RegisterClassA(&form) || !RegisterClassA(&box)) return 1;
    HWND window = CreateWindowExA(0, kFormClass, args[0], WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  instance, nullptr);
    if (!window || !CreateWindowExA(0, kTextBoxClass, "", WS_CHILD, 0, 0, 100, 20, window, nullptr, instance,
                                    nullptr))
        return 1;
    Print("ready");
    SetTimer(nullptr, 0, static_cast<UINT>(std::atof(args[1]) * 1000), nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && !message.hwnd) return 1;
        DispatchMessageA(&message);
    }
    return 0;
}

int RegGet(char** args) {
    const std::optional<HKEY> root = ParseRoot(args[0]);
    if (!root) return 2;
    const Key key = OpenKey(*root, args[1], KEY_QUERY_VALUE, false);
    if (!key) return 1;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), args[2], nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        std::fprintf(stderr, "no value %s\n", args[2]);
        return 1;
    }
    std::string data(size, '\0');
    if (RegQueryValueExA(key.get(), args[2], nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return 1;
    data.resize(size);
    std::string shown;
    if (type == REG_DWORD && data.size() == 4) {
        DWORD value = 0;
        std::memcpy(&value, data.data(), 4);
        shown = std::to_string(value);
    } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
        shown = Escape(data.substr(0, data.find('\0')));
    } else {
        shown = Hex(data);
    }
    Print(std::string(TypeText(type)) + "\t" + shown);
    return 0;
}

int RegSet(char** args) {
    const std::optional<HKEY> root = ParseRoot(args[0]);
    const std::optional<DWORD> type = ParseType(args[3]);
    if (!root || !type) return 2;
    std::string data;
    if (*type == REG_DWORD) {
        const DWORD value = std::strtoul(args[4], nullptr, 0);
        data.assign(reinterpret_cast<const char*>(&value), 4);
    } else if (*type == REG_SZ || *type == REG_EXPAND_SZ) {
        data = std::string(args[4]) + '\0';
    } else {
        const std::optional<std::string> bytes = Unhex(args[4]);
        if (!bytes) {
            std::fprintf(stderr, "not hexadecimal: %s\n", args[4]);
            return 2;
        }
        data = *bytes;
    }
    const Key key = OpenKey(*root, args[1], KEY_SET_VALUE, true);
    if (!key) return 1;
    return RegSetValueExA(key.get(), args[2], 0, *type, reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS
               ? 0
               : 1;
}

int RegDelete(char** args) {
    const std::optional<HKEY> root = ParseRoot(args[0]);
    if (!root) return 2;
    const Key key = OpenKey(*root, args[1], KEY_SET_VALUE, false);
    if (!key) return 1;
    return RegDeleteValueA(key.get(), args[2]) == ERROR_SUCCESS ? 0 : 1;
}

int ProcessCount(const char* imageName) {
    const Handle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snapshot.get() == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry))
        if (_stricmp(entry.szExeFile, imageName) == 0) ++count;
    return count;
}

bool ProcessRuns(const char* imageName) { return ProcessCount(imageName) > 0; }

int WaitProcess(char** args) {
    return WaitUntil(std::atof(args[1]), [&] { return !ProcessRuns(args[0]); }) ? 0 : 1;
}

// How many processes of the image run now.
int ProcessCountCommand(char** args) {
    Print(std::to_string(ProcessCount(args[0])));
    return 0;
}

// Keeps the file open without sharing while the marker file exists, at most the seconds, as a program still
// writing it would: a stub that logs meanwhile waits for it and so stays alive. Prints "held" once the file is
// taken.
int HoldFile(char** args) {
    const Handle file(CreateFileA(args[0], GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return 1;
    Print("held");
    return WaitUntil(std::atof(args[2]), [&] { return GetFileAttributesA(args[1]) == INVALID_FILE_ATTRIBUTES; }) ? 0 : 1;
}

#include "peer_menu.h"

constexpr Command kCommands[] = {
    {"list-windows", 0, "", ListWindows},
    {"find-window", 2, "CLASS|- CAPTION|-", FindWindowCommand},
    {"find-child", 2, "CAPTION CHILD-CLASS", FindChild},
    {"wait-window", 3, "CLASS|- CAPTION|- SECONDS", WaitWindow},
    {"wait-no-window", 3, "CLASS|- CAPTION|- SECONDS", WaitNoWindow},
    {"send-command", 2, "CAPTION TEXT", SendCommand},
    {"list-boxes", 0, "", ListBoxes},
    {"wait-box", 1, "SECONDS", WaitBox},
    {"answer-box", 2, "TITLE|- OK|Cancel|Abort|Retry|Ignore|Yes|No", AnswerBox},
    {"message-box", 4, "TITLE TEXT OK|OKCancel|YesNo|YesNoCancel|RetryCancel none|stop|question|exclamation|information",
     ShowMessageBox},
    {"serve", 2, "CAPTION SECONDS", Serve},
    {"reg-get", 3, "ROOT PATH NAME", RegGet},
    {"reg-set", 5, "ROOT PATH NAME TYPE VALUE", RegSet},
    {"reg-delete", 3, "ROOT PATH NAME", RegDelete},
    {"wait-process", 2, "IMAGE-NAME SECONDS", WaitProcess},
    {"process-count", 1, "IMAGE-NAME", ProcessCountCommand},
    {"hold-file", 3, "PATH MARKER SECONDS", HoldFile},
    {"menu-read", 1, "SECONDS", MenuRead},
    {"menu-choose", 2, "CAPTION SECONDS", MenuChoose},
    {"menu-close", 1, "SECONDS", MenuClose},
    {"dialog-set", 3, "CAPTION CONTROL-ID TEXT", DialogSet},
    {"dialog-get", 2, "CAPTION CONTROL-ID", DialogGet},
    {"dialog-focus", 1, "CAPTION", DialogFocus},
    {"dialog-click", 2, "CAPTION CONTROL-ID", DialogClick},
};

}  // namespace

int main(int argc, char** argv) { return RunCommand("peer", kCommands, argc, argv); }
