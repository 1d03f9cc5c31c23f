// Conformance of the Win32 platform under Wine: the behaviours of the registry, files, processes, windows,
// message boxes and digests that the hub relies on, pinned against the real system calls.
// The program also serves as its own child process: started with one of the "--" switches below it does
// one small job, leaves its answer in a marker file and ends.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/clock_win32.h"
#include "platform/dialogs_win32.h"
#include "platform/files_win32.h"
#include "platform/kernel_win32.h"
#include "platform/md5_win32.h"
#include "platform/network_win32.h"
#include "platform/registry_win32.h"
#include "platform/shell_win32.h"
#include "platform/text.h"
#include "platform/windows_win32.h"
#include "wine/scratch_folder.h"

namespace {

using namespace kolvane;

constexpr char kTestKey[] = "Software\\KolvaneWTest";
constexpr char kFormClass[] = "KolvaneWTestForm";
constexpr char kFormCaption[] = "Brekkan WTest  ";
constexpr double kChildSeconds = 30;  // bound for every wait on a child process

std::string OwnPath() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, length);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// Written whole or not at all, so that a waiting parent never reads half an answer.
void Mark(const std::string& path, const std::string& text) {
    Win32Files files;
    if (files.WriteAll(path + ".tmp", text)) files.Replace(path + ".tmp", path);
}

// Pumps messages until the child's answer is there, at most kChildSeconds.
std::string WaitForMarker(const std::string& path) {
    Win32Files files;
    Win32Clock clock;
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(kChildSeconds * 1000);
    while (!files.Exists(path) && GetTickCount64() < deadline) clock.Pump(0.05);
    return files.ReadAll(path).value_or("(keine Antwort)");
}

bool Is64BitSystem() {
#if defined(_WIN64)
    return true;
#else
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

// ---- child jobs -------------------------------------------------------------------------------------------

int RunChild(int argc, char** argv) {
    std::string job = argv[1];
    std::string marker = argc > 2 ? argv[argc - 1] : "";
    Win32Kernel kernel;
    if (job == "--write-marker") {
        Mark(marker, "gestartet");
    } else if (job == "--echo-command-line") {
        Mark(marker, kernel.CommandLine());
    } else if (job == "--previous-instance") {
        Mark(marker, kernel.PreviousInstance() ? "1" : "0");
    } else if (job == "--mutex" && argc > 3) {
        MutexResult result = kernel.CreateOwnedMutex(argv[2]);
        Mark(marker, !result.mutex ? "fehlt" : result.alreadyExisted ? "besteht" : "neu");
    } else if (job == "--send-text") {
        Win32Windows windows;
        WindowId form = windows.Find(kFormClass, kFormCaption);
        WindowId box = windows.FindChild(form, kNoWindow, "Edit", std::nullopt);
        std::string before = windows.GetText(box);
        bool sent = windows.SetText(box, "$Ende$ ÄÖÜß");
        Mark(marker, before + "|" + (sent ? "1" : "0"));
    } else if (job == "--terminate") {
        kernel.OnTerminate([&] { Mark(marker, "Rückruf 1"); });
        kernel.OnTerminate([&] { Mark(marker + "2", "Rückruf 2"); });
        kernel.Terminate();
    } else {
        return 2;
    }
    return 0;
}

using Scratch = winecheck::ScratchFolder;

// Starts a program on one child job and returns the answer it leaves in its marker file.
std::string AskChild(const std::string& program, const std::string& job, const std::string& marker,
                     ShowState show = ShowState::Hidden) {
    CHECK(Win32Shell().StartProcess(Quoted(program) + " " + job + " " + Quoted(marker), show), "start " + job);
    return WaitForMarker(marker);
}

RegData Text(const std::string& text) { return {RegType::Sz, text + '\0'}; }

// ---- registry ---------------------------------------------------------------------------------------------

void TestRegistry() {
    Win32Registry registry;
    const std::string key = std::string(kTestKey) + "\\Neu";

    CHECK(registry.CreateKey(RegRoot::LocalMachine, key, "") == KeyCreation::Created, "CreateKey new");
    CHECK(registry.CreateKey(RegRoot::LocalMachine, key, "") == KeyCreation::Existed, "CreateKey again");
    CHECK(registry.KeyExists(RegRoot::LocalMachine, key), "KeyExists after create");
    CHECK(!registry.KeyExists(RegRoot::LocalMachine, std::string(kTestKey) + "\\Fehlt"), "KeyExists missing");

    const std::string missing = std::string(kTestKey) + "\\Fehlt";
    CHECK(!registry.SetValue(RegRoot::LocalMachine, missing, "Wert", Text("x")), "SetValue under missing key");
    CHECK(!registry.KeyExists(RegRoot::LocalMachine, missing), "SetValue created no key");

    struct ValueCase {
        const char* name;
        RegData data;
    };
    const ValueCase values[] = {
        {"Fristwächter", Text("14.07.2023 13:45:30")},
        {"Leer", Text("")},
        {"Straße", Text("Hauptstraße 5, Köln")},
        {"Lang", Text(std::string(3000, 'x'))},
        {"StartTime", {RegType::Dword, std::string("\x01\x00\x00\x00", 4)}},
        {"Binär", {RegType::Binary, std::string("\xFE\xFF\x00\x7F", 4)}},
        {"Pfad", {RegType::ExpandSz, std::string("%TEMP%\\x\0", 9)}},
    };
    for (const auto& value : values) {
        std::string context = std::string("value ") + value.name;
        CHECK(registry.SetValue(RegRoot::LocalMachine, key, value.name, value.data), context + " set");
        auto read = registry.QueryValue(RegRoot::LocalMachine, key, value.name);
        CHECK(read.has_value(), context + " read");
        if (!read) continue;
        CHECK_EQ(static_cast<unsigned>(read->type), static_cast<unsigned>(value.data.type), context);
        CHECK_EQ(read->bytes, value.data.bytes, context + " bytes, terminator included");
    }

    CHECK(!registry.QueryValue(RegRoot::LocalMachine, key, "Nichts"), "QueryValue missing value");
    CHECK(!registry.QueryValue(RegRoot::LocalMachine, missing, "Wert"), "QueryValue missing key");
    CHECK(registry.DeleteValue(RegRoot::LocalMachine, key, "Leer"), "DeleteValue existing");
    CHECK(!registry.DeleteValue(RegRoot::LocalMachine, key, "Leer"), "DeleteValue again");
    CHECK(!registry.DeleteValue(RegRoot::LocalMachine, missing, "Wert"), "DeleteValue under missing key");

    // The suite's 32-bit programs see HKEY_LOCAL_MACHINE\Software through Wow6432Node on a 64-bit system.
    if (Is64BitSystem()) {
        HKEY raw = nullptr;
        std::string redirected = std::string("Software\\Wow6432Node\\") + (kTestKey + 9) + "\\Neu";
        LSTATUS status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, redirected.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &raw);
        CHECK_EQ(status, ERROR_SUCCESS, "key under Wow6432Node");
        if (status == ERROR_SUCCESS) {
            char data[64] = {};
            DWORD size = sizeof data;
            LSTATUS read = RegQueryValueExA(raw, "Fristwächter", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
            CHECK_EQ(read, ERROR_SUCCESS, "value under Wow6432Node");
            CHECK_EQ(std::string(data), "14.07.2023 13:45:30", "value under Wow6432Node");
            RegCloseKey(raw);
        }
        status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTestKey, 0, KEY_READ | KEY_WOW64_64KEY, &raw);
        CHECK_EQ(status, ERROR_FILE_NOT_FOUND, "nothing in the 64-bit view");
        if (status == ERROR_SUCCESS) RegCloseKey(raw);
    }

    // The current user's keys are not redirected.
    CHECK(registry.CreateKey(RegRoot::CurrentUser, kTestKey, "") == KeyCreation::Created, "CreateKey current user");
    CHECK(registry.SetValue(RegRoot::CurrentUser, kTestKey, "ModifierSystem", Text("Büro")), "SetValue current user");
    auto user = registry.QueryValue(RegRoot::CurrentUser, kTestKey, "ModifierSystem");
    CHECK(user && user->bytes == Text("Büro").bytes, "QueryValue current user");

    HKEY software = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &software) == 0) {
        RegDeleteTreeA(software, kTestKey + 9);
        RegCloseKey(software);
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
}

// ---- files ------------------------------------------------------------------------------------------------

void TestFiles(const Scratch& scratch) {
    Win32Files files;
    const std::string file = scratch.Path("DATEX.DAT");
    const std::string folder = scratch.Path("Belege");
    CHECK(files.WriteAll(file, std::string("[000]\r\nA1=\xE4\0\xFF", 13)), "WriteAll");
    CHECK(files.CreateFolder(folder), "CreateFolder new");
    CHECK(!files.CreateFolder(folder), "CreateFolder existing");
    CHECK(files.CreateFolder(scratch.Path("Ordner.dat")), "CreateFolder with an extension");

    struct ExistsCase {
        std::string path;
        bool exists, folder;
    };
    const ExistsCase existing[] = {
        {file, true, false},
        {scratch.Path("datex.dat"), true, false},
        {folder, true, true},
        {scratch.Path("DATEX.NET"), false, false},
        {scratch.Path("*.DAT"), false, false},
        {scratch.Path("DATEX.DA?"), false, false},
        {scratch.Path("Fehlt\\DATEX.DAT"), false, false},
    };
    for (const auto& c : existing) {
        CHECK_EQ(files.Exists(c.path), c.exists, "Exists " + c.path);
        CHECK_EQ(files.IsFolder(c.path), c.folder, "IsFolder " + c.path);
    }

    CHECK(files.WriteAll(scratch.Path("B.DAT"), "b"), "WriteAll second");
    auto listed = files.List(scratch.Folder(), "*.DAT");
    std::sort(listed.begin(), listed.end());
    CHECK(listed == (std::vector<std::string>{"B.DAT", "DATEX.DAT"}), "List files only");
    CHECK(files.List(scratch.Folder().substr(0, scratch.Folder().size() - 1), "DATEX.*").size() == 1,
          "List with a folder without backslash");

    CHECK(files.Size(file) == 13u, "Size");
    CHECK(!files.Size(folder), "Size of a folder");
    CHECK(!files.Size(scratch.Path("Fehlt")), "Size missing");
    CHECK(files.ReadAll(file) == std::string("[000]\r\nA1=\xE4\0\xFF", 13), "ReadAll bytes");
    CHECK(!files.ReadAll(scratch.Path("Fehlt")), "ReadAll missing");

    std::string large(200000, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 7);
    CHECK(files.WriteAll(scratch.Path("GROSS.BIN"), large), "WriteAll large");
    CHECK(files.ReadAll(scratch.Path("GROSS.BIN")) == large, "ReadAll large");
    CHECK(!files.WriteAll(scratch.Path("Fehlt\\X.DAT"), "x"), "WriteAll into a missing folder");

    // Persistence: write a temporary file, then replace the real one.
    const std::string temporary = scratch.Path("DATEX.TMP");
    CHECK(files.WriteAll(temporary, "neu"), "WriteAll temporary");
    CHECK(files.Replace(temporary, file), "Replace existing");
    CHECK(files.ReadAll(file) == "neu", "Replace content");
    CHECK(!files.Exists(temporary), "Replace moved the temporary file");
    CHECK(!files.Replace(temporary, file), "Replace from a missing file");
    CHECK(files.ReadAll(file) == "neu", "failed Replace left the target");

    CHECK(files.Copy(scratch.Path("B.DAT"), file), "Copy over existing");
    CHECK(files.ReadAll(file) == "b" && files.Exists(scratch.Path("B.DAT")), "Copy content");
    CHECK(!files.Copy(scratch.Path("Fehlt"), file), "Copy missing");

    // Local time of the last write, as FileDateTime showed it.
    struct TimeCase {
        FileTime time;
    };
    const TimeCase times[] = {{{2023, 7, 14, 13, 45, 30}}, {{2024, 1, 2, 0, 0, 5}}, {{1999, 12, 31, 23, 59, 59}}};
    for (const auto& c : times) {
        SYSTEMTIME local{static_cast<WORD>(c.time.year), static_cast<WORD>(c.time.month), 0,
                         static_cast<WORD>(c.time.day), static_cast<WORD>(c.time.hour),
                         static_cast<WORD>(c.time.minute), static_cast<WORD>(c.time.second), 0};
        FILETIME localFile{}, utc{};
        SystemTimeToFileTime(&local, &localFile);
        LocalFileTimeToFileTime(&localFile, &utc);
        HANDLE handle = CreateFileA(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        SetFileTime(handle, nullptr, nullptr, &utc);
        CloseHandle(handle);
        auto read = files.ModifiedTime(file);
        CHECK(read && *read == c.time, "ModifiedTime " + std::to_string(c.time.year));
    }
    CHECK(!files.ModifiedTime(scratch.Path("Fehlt")), "ModifiedTime missing");

    // A reader does not lock the file: other programs may write and delete meanwhile.
    auto reader = files.OpenRead(file);
    CHECK(reader != nullptr, "OpenRead");
    if (reader) {
        HANDLE writer = CreateFileA(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
        CHECK(writer != INVALID_HANDLE_VALUE, "write while a reader is open");
        CloseHandle(writer);
        char buffer[8];
        std::int64_t first = reader->Read(buffer, sizeof buffer);
        std::int64_t second = reader->Read(buffer, sizeof buffer);
        CHECK(first == 1 && buffer[0] == 'b', "Read");
        CHECK_EQ(second, 0, "Read at the end");
        CHECK(files.Delete(file), "Delete while a reader is open");
    }
    CHECK(files.OpenRead(scratch.Path("Fehlt")) == nullptr, "OpenRead missing");
    reader.reset();
    CHECK(!files.Exists(file), "deleted");
    CHECK(!files.Delete(file), "Delete missing");
}

// ---- kernel -----------------------------------------------------------------------------------------------

void TestCommandArguments() {
    struct Case {
        const char* line;
        const char* arguments;
    };
    const Case cases[] = {
        {"\"C:\\Orvintal\\KOLVANE.EXE\" /s", "/s"},
        {"C:\\Orvintal\\KOLVANE.EXE /s", "/s"},
        {"\"C:\\Programme\\Brekkan Orvintal\\KOLVANE.EXE\"   /admin  ", "/admin  "},
        {"\"C:\\Orvintal\\KOLVANE.EXE\"/s", "/s"},
        {"KOLVANE.EXE", ""},
        {"\"C:\\Orvintal\\KOLVANE.EXE\"", ""},
        {"KOLVANE.EXE\t/s \"a b\"", "/s \"a b\""},
        {"  KOLVANE.EXE /s", "/s"},
        {"\"C:\\ohne Ende", ""},
        {"", ""},
    };
    for (const auto& c : cases) CHECK_EQ(CommandArguments(c.line), std::string(c.arguments), c.line);
}

// The shared object the thread probes; ownership of a mutex belongs to a thread, not to a handle.
DWORD WINAPI ProbeMutex(void* mutex) {
    DWORD result = WaitForSingleObject(mutex, 0);
    if (result == WAIT_OBJECT_0 || result == WAIT_ABANDONED) ReleaseMutex(mutex);
    return result;
}

DWORD ProbeFromOtherThread(HANDLE mutex) {
    HANDLE thread = CreateThread(nullptr, 0, ProbeMutex, mutex, 0, nullptr);
    WaitForSingleObject(thread, static_cast<DWORD>(kChildSeconds * 1000));
    DWORD result = WAIT_FAILED;
    GetExitCodeThread(thread, &result);
    CloseHandle(thread);
    return result;
}

void TestKernel() {
    Win32Kernel kernel;
    Win32Files files;
    TestCommandArguments();

    std::string folder = kernel.ProgramFolder();
    CHECK(!folder.empty() && folder.back() != '\\' && files.IsFolder(folder), "ProgramFolder " + folder);
    ProgramVersion version = kernel.Version();
    CHECK(version.major == 0 && version.minor == 0 && version.revision == 0, "Version without VERSIONINFO");
    CHECK(files.IsFolder(kernel.WindowsFolder()), "WindowsFolder " + kernel.WindowsFolder());
    std::string system = kernel.SystemFolder();
    CHECK(files.IsFolder(system), "SystemFolder " + system);
    if (Is64BitSystem()) CHECK(EqualsNoCase(system.substr(system.size() - 9), "\\SysWOW64"), "32-bit system folder");
    std::string temp = kernel.TempFolder();
    CHECK(!temp.empty() && temp.back() == '\\' && files.IsFolder(temp), "TempFolder " + temp);
    CHECK(!kernel.ComputerName().empty(), "ComputerName");
    CHECK(!Win32Network().DialUpConnected(), "DialUpConnected: the test prefix has none");

    SetEnvironmentVariableA("KOLVANE_WTEST", "Bürgerstraße");
    SetEnvironmentVariableA("KOLVANE_WTEST_LANG", std::string(1000, 'y').c_str());
    struct ExpandCase {
        std::string text, expanded;
    };
    const ExpandCase expansions[] = {
        {"%KOLVANE_WTEST%\\x", "Bürgerstraße\\x"},
        {"%KOLVANE_UNBEKANNT%", "%KOLVANE_UNBEKANNT%"},
        {"ohne", "ohne"},
        {"", ""},
        {"%KOLVANE_WTEST_LANG%%KOLVANE_WTEST_LANG%", std::string(2000, 'y')},
    };
    for (const auto& c : expansions) CHECK_EQ(kernel.ExpandEnvironment(c.text), c.expanded, "Expand " + c.text);
}

void TestProcesses(const Scratch& scratch) {
    Win32Kernel kernel;
    Win32Files files;

    // The same program file running twice; a copy under another name is another program.
    CHECK(!kernel.PreviousInstance(), "PreviousInstance alone");
    const std::string self = OwnPath();
    const std::string copy = scratch.Path("Andere.exe");
    CopyFileA(self.c_str(), copy.c_str(), FALSE);
    CHECK_EQ(AskChild(self, "--previous-instance", scratch.Path("previous.txt")), "1", "PreviousInstance, same file");
    CHECK_EQ(AskChild(copy, "--previous-instance", scratch.Path("other.txt")), "0", "PreviousInstance of a copy");

    // The command line as the program received it, after its name.
    CHECK_EQ(AskChild(self, "  --echo-command-line", scratch.Path("line.txt")),
             "--echo-command-line " + Quoted(scratch.Path("line.txt")), "CommandLine of a child");

    const std::string name = "KolvaneWTest" + std::to_string(GetCurrentProcessId());
    MutexResult first = kernel.CreateOwnedMutex(name);
    CHECK(first.mutex && !first.alreadyExisted, "CreateOwnedMutex first");
    MutexResult second = kernel.CreateOwnedMutex(name);
    CHECK(second.mutex && second.alreadyExisted, "CreateOwnedMutex second");
    CHECK_EQ(AskChild(self, "--mutex " + name, scratch.Path("mutex.txt")), "besteht", "CreateOwnedMutex elsewhere");
    HANDLE probe = OpenMutexA(SYNCHRONIZE, FALSE, name.c_str());
    second.mutex.reset();
    auto whileHeld = ProbeFromOtherThread(probe);
    CHECK_EQ(whileHeld, static_cast<DWORD>(WAIT_TIMEOUT), "the second did not release the first");
    first.mutex.reset();
    auto afterRelease = ProbeFromOtherThread(probe);
    CHECK_EQ(afterRelease, static_cast<DWORD>(WAIT_OBJECT_0), "released with the first");
    CloseHandle(probe);

    // Terminate runs the registered callbacks in order and ends with exit code 0.
    std::string line = Quoted(self) + " --terminate " + Quoted(scratch.Path("end.txt"));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    CHECK(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child),
          "start terminating child");
    WaitForSingleObject(child.hProcess, static_cast<DWORD>(kChildSeconds * 1000));
    DWORD exitCode = 1;
    GetExitCodeProcess(child.hProcess, &exitCode);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
    CHECK_EQ(exitCode, 0ul, "Terminate exit code");
    CHECK(files.ReadAll(scratch.Path("end.txt")) == "Rückruf 1", "first callback ran");
    CHECK(files.ReadAll(scratch.Path("end.txt2")) == "Rückruf 2", "second callback ran");
}

// ---- shell ------------------------------------------------------------------------------------------------

void TestShell(const Scratch& scratch) {
    Win32Shell shell;
    const std::string self = OwnPath();

    // Some of the suite's programs carry the extension .DLL; they must start all the same.
    const std::string dll = scratch.Path("UPDCTRL.DLL");
    CHECK(CopyFileA(self.c_str(), dll.c_str(), FALSE), "copy to .DLL");
    CHECK_EQ(AskChild(dll, "--write-marker", scratch.Path("dll.txt"), ShowState::Normal), "gestartet", ".DLL ran");
    CHECK(!shell.StartProcess(Quoted(scratch.Path("FEHLT.EXE")) + " /x", ShowState::Normal), "StartProcess missing");

    CHECK(shell.Execute("open", self, "--write-marker " + Quoted(scratch.Path("open.txt")), scratch.Folder(),
                        ShowState::Hidden),
          "Execute open");
    CHECK_EQ(WaitForMarker(scratch.Path("open.txt")), "gestartet", "program opened by Execute ran");
    CHECK(!shell.Execute("open", scratch.Path("FEHLT.EXE"), "", "", ShowState::Normal), "Execute missing");
}

// ---- windows and the message pump -------------------------------------------------------------------------

int g_posted = 0;

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) ++g_posted;
    return DefWindowProcA(window, message, wParam, lParam);
}

struct Form {
    HWND window = nullptr;
    HWND box = nullptr;
    HWND secondBox = nullptr;
};

Form CreateForm() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FormProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kFormClass;
    RegisterClassA(&windowClass);
    Form form;
    form.window = CreateWindowExA(0, kFormClass, kFormCaption, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  windowClass.hInstance, nullptr);
    form.box = CreateWindowExA(0, "Edit", "", WS_CHILD, 0, 0, 100, 20, form.window, nullptr, nullptr, nullptr);
    form.secondBox = CreateWindowExA(0, "Edit", "", WS_CHILD, 0, 20, 100, 20, form.window, nullptr, nullptr, nullptr);
    return form;
}

void TestWindows(const Scratch& scratch, const Form& form) {
    Win32Windows windows;
    const WindowId id = ToWindowId(form.window);

    struct FindCase {
        std::optional<std::string> windowClass, caption;
        WindowId expected;
    };
    const FindCase finds[] = {
        {kFormClass, kFormCaption, id},
        {std::nullopt, kFormCaption, id},
        {"KOLVANEWTESTFORM", kFormCaption, id},
        {kFormClass, std::nullopt, id},
        {std::nullopt, "Brekkan WTest", kNoWindow},
        {"ThunderRT6FormDC", kFormCaption, kNoWindow},
    };
    for (const auto& c : finds)
        CHECK(windows.Find(c.windowClass, c.caption) == c.expected,
              "Find " + c.windowClass.value_or("(any)") + " / " + c.caption.value_or("(any)"));

    WindowId box = windows.FindChild(id, kNoWindow, "Edit", std::nullopt);
    CHECK(box == ToWindowId(form.box), "FindChild first");
    CHECK(windows.FindChild(id, box, "edit", std::nullopt) == ToWindowId(form.secondBox), "FindChild next");
    CHECK(windows.FindChild(id, ToWindowId(form.secondBox), "Edit", std::nullopt) == kNoWindow, "FindChild end");

    const std::string texts[] = {"$Ende$", "Zweite Instanz Brekkan Orvintal  ", "", "äöüÄÖÜß€", std::string(5000, 'z')};
    for (const auto& text : texts) {
        CHECK(windows.SetText(box, text), "SetText " + text.substr(0, 40));
        CHECK_EQ(windows.GetText(box), text, "GetText " + text.substr(0, 40));
    }
    CHECK(!windows.SetText(kNoWindow, "x"), "SetText no window");
    CHECK_EQ(windows.GetText(kNoWindow), "", "GetText no window");

    // The command channel between two programs: read and write another process's text box.
    windows.SetText(box, "vorher äö");
    CHECK_EQ(AskChild(OwnPath(), "--send-text", scratch.Path("sent.txt")), "vorher äö|1", "other process read and sent");
    CHECK_EQ(windows.GetText(box), "$Ende$ ÄÖÜß", "text from the other process arrived");

    windows.Show(id, ShowState::Normal);
    CHECK(IsWindowVisible(form.window), "Show normal");
    windows.Show(id, ShowState::Hidden);
    CHECK(!IsWindowVisible(form.window), "Show hidden");
}

void TestClock(const Form& form) {
    Win32Clock clock;
    DateTime now = clock.Now();
    double timer = clock.Timer();
    CHECK(now.month >= 1 && now.month <= 12 && now.day >= 1 && now.day <= 31 && now.hour < 24, "Now");
    CHECK(timer >= 0 && timer < 86400, "Timer within the day");

    g_posted = 0;
    PostMessageA(form.window, WM_APP, 0, 0);
    PostMessageA(form.window, WM_APP, 0, 0);
    ULONGLONG started = GetTickCount64();
    clock.Pump(kChildSeconds);
    CHECK_EQ(g_posted, 2, "Pump dispatched every pending message");
    CHECK(GetTickCount64() - started < 10000, "Pump returned once messages were there");

    // A quit request met inside a wait must still reach the program's message loop.
    PostQuitMessage(7);
    clock.Pump(0);
    MSG message{};
    CHECK(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE), "WM_QUIT kept");
    CHECK_EQ(message.wParam, static_cast<WPARAM>(7), "WM_QUIT exit code");
}

// ---- message boxes ----------------------------------------------------------------------------------------

struct BoxAnswer {
    std::string title;
    int press = 0;
    std::string text;      // as the box showed it
    HWND boxOwner = nullptr;
    bool found = false;
};

// Plays the user: waits for the box, notes what it shows, presses a button.
DWORD WINAPI AnswerBox(void* parameter) {
    auto* answer = static_cast<BoxAnswer*>(parameter);
    ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(kChildSeconds * 1000);
    HWND box = nullptr;
    while (!(box = FindWindowA("#32770", answer->title.c_str())) && GetTickCount64() < deadline)
        Sleep(20);
    if (!box) return 1;
    answer->found = true;
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    answer->text = text;
    answer->boxOwner = GetWindow(box, GW_OWNER);
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(answer->press), 0);
    return 0;
}

void TestDialogs(const Form& form) {
    Win32Dialogs dialogs(form.window);
    struct Case {
        MsgButtons buttons;
        MsgIcon icon;
        int press;
        MsgAnswer expected;
    };
    const Case cases[] = {
        {MsgButtons::Ok, MsgIcon::Information, IDOK, MsgAnswer::Ok},
        {MsgButtons::YesNo, MsgIcon::Question, IDYES, MsgAnswer::Yes},
        {MsgButtons::YesNo, MsgIcon::Question, IDNO, MsgAnswer::No},
        {MsgButtons::YesNoCancel, MsgIcon::Exclamation, IDCANCEL, MsgAnswer::Cancel},
        {MsgButtons::OkCancel, MsgIcon::Critical, IDCANCEL, MsgAnswer::Cancel},
        {MsgButtons::RetryCancel, MsgIcon::None, IDRETRY, MsgAnswer::Retry},
    };
    int number = 0;
    for (const auto& c : cases) {
        std::string context = "message box case " + std::to_string(++number);
        BoxAnswer answer;
        answer.title = "Brekkan Orvintal  " + std::to_string(number);
        answer.press = c.press;
        HANDLE user = CreateThread(nullptr, 0, AnswerBox, &answer, 0, nullptr);
        MsgAnswer got = dialogs.ShowMessage({"Es konnte kein Drucker gefunden werden.\nSollte ein Gerät vorhanden sein",
                                            answer.title, c.buttons, c.icon});
        WaitForSingleObject(user, static_cast<DWORD>(kChildSeconds * 1000));
        CloseHandle(user);
        CHECK(answer.found, context + " shown");
        CHECK(got == c.expected, context + " answer");
        CHECK(answer.boxOwner == form.window, context + " owner");
        CHECK(answer.text.find("Gerät") != std::string::npos, context + " text: " + answer.text);
    }
}

// ---- digest --------------------------------------------------------------------------------

std::string Hex(const Md5Digest& digest) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char byte : digest) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

void TestMd5() {
    Win32Md5 md5;
    struct Case {
        std::string input;
        std::size_t block;  // fed in pieces of this size
        const char* digest;
    };
    const Case cases[] = {
        {"abc", 3, "900150983CD24FB0D6963F7D28E17F72"},
        {"abc", 1, "900150983CD24FB0D6963F7D28E17F72"},
        {"", 1, "D41D8CD98F00B204E9800998ECF8427E"},
        {"message digest", 5, "F96B697D7CB7938D525A2F31AAF161D0"},
        {std::string(1000000, 'a'), 32768, "7707D6AE4E027C70EEA2A935C2296F21"},
    };
    for (const auto& c : cases) {
        std::string context = "MD5 of " + c.input.substr(0, 16) + " in pieces of " + std::to_string(c.block);
        auto hash = md5.Start();
        CHECK(hash != nullptr, context);
        if (!hash) continue;
        for (std::size_t at = 0; at < c.input.size(); at += c.block)
            CHECK(hash->Update(c.input.data() + at, std::min(c.block, c.input.size() - at)), context + " update");
        Md5Digest digest{};
        CHECK(hash->Finish(digest), context + " finish");
        CHECK_EQ(Hex(digest), std::string(c.digest), context);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) return RunChild(argc, argv);

    Scratch scratch("kolvane_wtest_");
    Form form = CreateForm();
    TestRegistry();
    TestFiles(scratch);
    TestKernel();
    TestProcesses(scratch);
    TestShell(scratch);
    TestWindows(scratch, form);
    TestClock(form);
    TestDialogs(form);
    TestMd5();
    DestroyWindow(form.window);
    return winecheck::Summary();
}
