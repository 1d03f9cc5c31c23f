// Stand-in for every component program of the suite in the end-to-end tests. Copied under a component's
// name (ACCOUNTS.EXE, HINTFEED.EXE, UPDBUNDL.DLL ...), it records how the hub started it and ends:
// one line "file name <TAB> command line <TAB> show state" appended to the log named by KOLVANE_STUB_LOG,
// else to stub.log beside itself. The show state is wShowWindow of the start-up info when the starter
// set it, else -1.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    const std::string module(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    const std::string folder = module.substr(0, module.find_last_of("\\/") + 1);
    char log[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("KOLVANE_STUB_LOG", log, MAX_PATH);
    const std::string logPath = length > 0 && length < MAX_PATH ? log : folder + "stub.log";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    const std::string line = module.substr(folder.size()) + "\t" + GetCommandLineA() + "\t" + std::to_string(show) + "\r\n";
    // Two stubs started by the same hub step may log at the same moment: the file is opened without
    // sharing, so the second one waits (bounded) until the first has written its line.
    for (int attempt = 0; attempt < 200; ++attempt) {
        HANDLE file = CreateFileA(logPath.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            const bool whole = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr) &&
                               written == line.size();
            CloseHandle(file);
            return whole ? 0 : 1;
        }
        if (GetLastError() != ERROR_SHARING_VIOLATION) return 1;
        Sleep(25);
    }
    return 1;
}
