#include "platform/files_win32.h"

#include <algorithm>
#include <limits>

#include "platform/handle_win32.h"
#include "platform/write_failures_win32.h"

namespace kolvane {

namespace {

// ReadFile and WriteFile take a 32-bit count; larger blocks go in pieces.
constexpr std::size_t kMaxBlock = std::numeric_limits<DWORD>::max() / 2;
constexpr std::size_t kReadAllBlock = 65536;

class Win32FileReader final : public FileReader {
public:
    explicit Win32FileReader(Handle file) : file_(std::move(file)) {}

    std::int64_t Read(char* buffer, std::size_t size) override {
        DWORD read = 0;
        if (!::ReadFile(file_.get(), buffer, static_cast<DWORD>(std::min(size, kMaxBlock)), &read, nullptr)) return -1;
        return read;
    }

private:
    Handle file_;
};

std::optional<WIN32_FILE_ATTRIBUTE_DATA> Attributes(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return data;
}

bool IsDirectory(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

bool WriteCompletely(HANDLE file, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        DWORD block = static_cast<DWORD>(std::min(bytes.size() - done, kMaxBlock));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, block, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return ::FlushFileBuffers(file) != FALSE;
}

// The reader owns the holding handle; its bytes are read through it once.
class Win32HeldFile final : public HeldFile {
public:
    explicit Win32HeldFile(Handle file) : reader(std::move(file)) {}
    Win32FileReader reader;
};

std::optional<std::string> ReadThrough(FileReader& reader) {
    std::string bytes;
    for (;;) {
        std::size_t had = bytes.size();
        bytes.resize(had + kReadAllBlock);
        std::int64_t read = reader.Read(bytes.data() + had, kReadAllBlock);
        if (read < 0) return std::nullopt;
        bytes.resize(had + static_cast<std::size_t>(read));
        if (read == 0) return bytes;
    }
}

}  // namespace

bool Win32Files::Exists(const std::string& path) {
    if (path.find_first_of("*?") != std::string::npos) return false;
    WIN32_FIND_DATAA found{};
    FindHandle search(::FindFirstFileA(path.c_str(), &found));
    return static_cast<bool>(search);
}

bool Win32Files::IsFolder(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && IsDirectory(attributes);
}

std::vector<std::string> Win32Files::List(const std::string& folder, const std::string& pattern) {
    std::string search = folder;
    if (!search.empty() && search.back() != '\\') search += '\\';
    search += pattern;
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    FindHandle handle(::FindFirstFileA(search.c_str(), &found));
    if (!handle) return names;
    do {
        if (!IsDirectory(found.dwFileAttributes)) names.emplace_back(found.cFileName);
    } while (::FindNextFileA(handle.get(), &found));
    return names;
}

std::optional<std::uint64_t> Win32Files::Size(const std::string& path) {
    auto data = Attributes(path);
    if (!data || IsDirectory(data->dwFileAttributes)) return std::nullopt;
    return (static_cast<std::uint64_t>(data->nFileSizeHigh) << 32) | data->nFileSizeLow;
}

std::optional<FileTime> Win32Files::ModifiedTime(const std::string& path) {
    auto data = Attributes(path);
    if (!data) return std::nullopt;
    FILETIME local{};
    SYSTEMTIME time{};
    if (!::FileTimeToLocalFileTime(&data->ftLastWriteTime, &local) || !::FileTimeToSystemTime(&local, &time))
        return std::nullopt;
    return FileTime{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

std::unique_ptr<FileReader> Win32Files::OpenRead(const std::string& path) {
    Handle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return nullptr;
    return std::make_unique<Win32FileReader>(std::move(file));
}

std::optional<std::string> Win32Files::ReadAll(const std::string& path) {
    auto reader = OpenRead(path);
    if (!reader) return std::nullopt;
    return ReadThrough(*reader);
}

bool Win32Files::WriteAll(const std::string& path, const std::string& bytes) {
    Handle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!Reported(static_cast<bool>(file), "CreateFileA", path)) return false;
    if (Reported(WriteCompletely(file.get(), bytes), "WriteFile", path)) return true;
    file.reset();
    ::DeleteFileA(path.c_str());
    return false;
}

bool Win32Files::Append(const std::string& path, const std::string& bytes) {
    // Others may read the file meanwhile, and rotate it away between two lines.
    Handle file(::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteCompletely(file.get(), bytes);
}

bool Win32Files::Copy(const std::string& from, const std::string& to) {
    return Reported(::CopyFileA(from.c_str(), to.c_str(), FALSE), "CopyFileA", to);
}

bool Win32Files::Replace(const std::string& from, const std::string& to) {
    return Reported(::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH),
                    "MoveFileExA", to);
}

bool Win32Files::Delete(const std::string& path) {
    if (::DeleteFileA(path.c_str())) return true;
    // A file that is not there is no refused write.
    DWORD error = ::GetLastError();
    return error != ERROR_FILE_NOT_FOUND && ReportedStatus(static_cast<LONG>(error), "DeleteFileA", path);
}

bool Win32Files::CreateFolder(const std::string& path) {
    return Reported(::CreateDirectoryA(path.c_str(), nullptr), "CreateDirectoryA", path);
}

// Shared for reading only: the open fails while another handle may write, and none may write, rename or delete the
// file after it.
std::unique_ptr<HeldFile> Win32Files::Hold(const std::string& path) {
    Handle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return nullptr;
    auto held = std::make_unique<Win32HeldFile>(std::move(file));
    auto bytes = ReadThrough(held->reader);
    if (!bytes) return nullptr;
    held->bytes = std::move(*bytes);
    return held;
}

bool Win32Files::Writable(const std::string& path) {
    return static_cast<bool>(Handle(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
}

}  // namespace kolvane
