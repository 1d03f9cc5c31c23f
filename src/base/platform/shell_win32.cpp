#include "platform/shell_win32.h"

#include <vector>

#include "platform/handle_win32.h"

#include <shellapi.h>

namespace kolvane {

namespace {

// ShellExecuteA reports success with a value above 32; smaller values are error numbers.
constexpr INT_PTR kShellExecuteSuccess = 32;

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

// No application name: the system takes the program from the command line exactly as it stands, so a
// program whose file name ends in .DLL starts as well. CreateProcessA may write into the line.
Handle Start(const std::string& commandLine, ShowState show) {
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
        return Handle();
    Handle thread(started.hThread);
    return Handle(started.hProcess);
}

class Win32Process final : public StartedProcess {
public:
    explicit Win32Process(Handle process) : process_(std::move(process)) {}
    // A process whose state cannot be read counts as running: the caller then leaves its files alone.
    bool Ended() override { return ::WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }
    unsigned long ExitCode() override {
        DWORD code = STILL_ACTIVE;
        return ::GetExitCodeProcess(process_.get(), &code) ? code : STILL_ACTIVE;
    }

private:
    Handle process_;
};

}  // namespace

bool Win32Shell::StartProcess(const std::string& commandLine, ShowState show) {
    // Started and forgotten: the handle closes at once.
    return static_cast<bool>(Start(commandLine, show));
}

std::unique_ptr<StartedProcess> Win32Shell::StartWatchedProcess(const std::string& commandLine, ShowState show) {
    Handle process = Start(commandLine, show);
    if (!process) return nullptr;
    return std::make_unique<Win32Process>(std::move(process));
}

bool Win32Shell::Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                         const std::string& folder, ShowState show) {
    HINSTANCE result = ::ShellExecuteA(nullptr, OrNull(verb), file.c_str(), OrNull(parameters), OrNull(folder),
                                       static_cast<int>(show));
    return reinterpret_cast<INT_PTR>(result) > kShellExecuteSuccess;
}

bool Win32Shell::MoveToRecycleBin(const std::string& path) {
    // The source is a list of names, each ended by a NUL, the list ended by one more.
    std::string from = path;
    from.append(2, '\0');
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    // Where the volume has no recycle bin, the file would be gone for good: the user is asked first.
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_WANTNUKEWARNING | FOF_SILENT | FOF_NOERRORUI;
    return ::SHFileOperationA(&operation) == 0 && !operation.fAnyOperationsAborted;
}

}  // namespace kolvane
