#include "platform/kernel_win32.h"

#include "platform/handle_win32.h"
#include "platform/text.h"

#include <tlhelp32.h>
#include <winver.h>

namespace kolvane {

namespace {

constexpr DWORD kErrorAlreadyExists = ERROR_ALREADY_EXISTS;  // 183
static_assert(kErrorAlreadyExists == 183);

// For the functions that answer a too small buffer with the size they need (NUL included) and success
// with the length of the text: call(buffer, size) -> length.
template <typename Call>
std::string ReadSizedText(Call call) {
    std::string text(MAX_PATH, '\0');
    UINT length = call(text.data(), static_cast<UINT>(text.size()));
    if (length >= text.size()) {
        text.resize(length);
        length = call(text.data(), static_cast<UINT>(text.size()));
    }
    if (length == 0 || length >= text.size()) return {};
    text.resize(length);
    return text;
}

std::string ModulePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // cut: the path is longer than the buffer
    }
}

std::string ImagePath(HANDLE process) {
    char path[32768];
    DWORD size = sizeof path;
    if (!::QueryFullProcessImageNameA(process, 0, path, &size)) return {};
    return std::string(path, size);
}

// Holds a mutex that this call created and owns; ownership is given back before the handle is closed.
class OwnedHeldMutex final : public HeldMutex {
public:
    explicit OwnedHeldMutex(OwnedMutex mutex) : mutex_(std::move(mutex)) {}

private:
    OwnedMutex mutex_;
};

// A mutex that existed already: the system did not give this caller ownership, so releasing it would take
// it from whichever thread of this process holds it. Only the handle is closed.
class OpenedHeldMutex final : public HeldMutex {
public:
    explicit OpenedHeldMutex(Handle mutex) : mutex_(std::move(mutex)) {}

private:
    Handle mutex_;
};

}  // namespace

std::string CommandArguments(std::string_view commandLine) {
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t at = 0;
    while (at < commandLine.size() && isBlank(commandLine[at])) ++at;
    if (at < commandLine.size() && commandLine[at] == '"') {
        std::size_t closing = commandLine.find('"', at + 1);
        at = closing == std::string_view::npos ? commandLine.size() : closing + 1;
    } else {
        while (at < commandLine.size() && !isBlank(commandLine[at])) ++at;
    }
    while (at < commandLine.size() && isBlank(commandLine[at])) ++at;
    return std::string(commandLine.substr(at));
}

void Win32Kernel::OnTerminate(std::function<void()> callback) { onTerminate_.push_back(std::move(callback)); }

std::string Win32Kernel::ProgramFolder() {
    std::string path = ModulePath();
    std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string Win32Kernel::CommandLine() { return CommandArguments(::GetCommandLineA()); }

ProgramVersion Win32Kernel::Version() {
    std::string path = ModulePath();
    DWORD ignored = 0;
    DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0) return {};
    std::string info(size, '\0');
    if (!::GetFileVersionInfoA(path.c_str(), 0, size, info.data())) return {};
    void* fixed = nullptr;
    UINT fixedSize = 0;
    if (!::VerQueryValueA(info.data(), "\\", &fixed, &fixedSize) || fixedSize < sizeof(VS_FIXEDFILEINFO)) return {};
    const auto* version = static_cast<const VS_FIXEDFILEINFO*>(fixed);
    return {HIWORD(version->dwFileVersionMS), LOWORD(version->dwFileVersionMS), HIWORD(version->dwFileVersionLS)};
}

bool Win32Kernel::PreviousInstance() {
    std::string own = ImagePath(::GetCurrentProcess());
    if (own.empty()) return false;
    Handle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return false;
    DWORD ownId = ::GetCurrentProcessId();
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32First(snapshot.get(), &entry); more; more = ::Process32Next(snapshot.get(), &entry)) {
        if (entry.th32ProcessID == ownId) continue;
        // Processes of other users or of the system may not be opened; they cannot be this program's.
        Handle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
        if (process && EqualsNoCase(ImagePath(process.get()), own)) return true;
    }
    return false;
}

MutexResult Win32Kernel::CreateOwnedMutex(const std::string& name) {
    HANDLE raw = ::CreateMutexA(nullptr, TRUE, name.c_str());
    DWORD error = ::GetLastError();
    if (!raw) return {};
    if (error == kErrorAlreadyExists) return {std::make_unique<OpenedHeldMutex>(Handle(raw)), true};
    return {std::make_unique<OwnedHeldMutex>(OwnedMutex(raw)), false};
}

std::string Win32Kernel::WindowsFolder() { return ReadSizedText(::GetWindowsDirectoryA); }

std::string Win32Kernel::SystemFolder() {
    // On a 64-bit system the 32-bit programs of the suite live in SysWOW64; on a 32-bit system this call
    // fails and the system folder is the one.
    std::string folder = ReadSizedText(::GetSystemWow64DirectoryA);
    return folder.empty() ? ReadSizedText(::GetSystemDirectoryA) : folder;
}

std::string Win32Kernel::TempFolder() {
    std::string folder = ReadSizedText([](char* buffer, UINT size) { return ::GetTempPathA(size, buffer); });
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

std::string Win32Kernel::ComputerName() {
    char name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD size = sizeof name;
    if (!::GetComputerNameA(name, &size)) return {};
    return std::string(name, size);
}

std::string Win32Kernel::ExpandEnvironment(const std::string& text) {
    DWORD needed = ::ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) return text;
    std::string expanded(needed, '\0');
    DWORD written = ::ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed);
    if (written == 0 || written > needed) return text;
    return CutAtNul(expanded);
}

void Win32Kernel::Terminate() {
    // Taken out first, so that a callback that terminates again does not run the list twice.
    std::vector<std::function<void()>> callbacks = std::move(onTerminate_);
    onTerminate_.clear();
    for (const auto& callback : callbacks) callback();
    ::ExitProcess(0);
}

}  // namespace kolvane
