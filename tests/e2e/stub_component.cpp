// Stand-in for every component program of the suite in the end-to-end tests. Copied under a component's
// name (ACCOUNTS.EXE, HINTFEED.EXE, UPDBUNDL.DLL ...), it records how the hub started it and ends:
// one line "file name <TAB> command line <TAB> show state" appended to the log named by KOLVANE_STUB_LOG,
// else to stub.log beside itself. The show state is wShowWindow of the start-up info when the starter
// set it, else -1.
#include <windows.h>

#include <memory>
#include <string>

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

std::string ModulePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length);
}

std::string LogPath(const std::string& modulePath) {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("KOLVANE_STUB_LOG", buffer, MAX_PATH);
    if (length > 0 && length < MAX_PATH) return std::string(buffer, length);
    return modulePath.substr(0, modulePath.find_last_of("\\/") + 1) + "stub.log";
}

std::string LogLine(const std::string& modulePath) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    return modulePath.substr(modulePath.find_last_of("\\/") + 1) + "\t" + GetCommandLineA() + "\t" +
           std::to_string(show) + "\r\n";
}

// Two stubs started by the same hub step may log at the same moment: the file is opened without
// sharing, so the second one waits (bounded) until the first has written its line.
bool AppendLine(const std::string& logPath, const std::string& line) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE raw = CreateFileA(logPath.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
        if (raw != INVALID_HANDLE_VALUE) {
            const FileHandle file(raw);
            DWORD written = 0;
            return WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
                   written == line.size();
        }
        if (GetLastError() != ERROR_SHARING_VIOLATION) return false;
        Sleep(25);
    }
    return false;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string modulePath = ModulePath();
    return AppendLine(LogPath(modulePath), LogLine(modulePath)) ? 0 : 1;
}
