#include "platform/files_memory.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fstream>
#include <sstream>

#include "platform/text.h"
#include "platform/write_failures.h"

namespace kolvane {

namespace fs = std::filesystem;

namespace {

std::vector<std::string> SplitPath(const std::string& windowsPath) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : windowsPath) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else if (c != ':' || !parts.empty() || part.size() != 1) {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(part);
    if (windowsPath.rfind("\\\\", 0) == 0) parts.insert(parts.begin(), "UNC");
    return parts;
}

class HostReader : public FileReader {
public:
    explicit HostReader(const fs::path& path) : in_(path, std::ios::binary) {}
    bool Ok() const { return in_.is_open(); }
    std::int64_t Read(char* buffer, std::size_t size) override {
        in_.read(buffer, static_cast<std::streamsize>(size));
        if (in_.bad()) return -1;
        return in_.gcount();
    }

private:
    std::ifstream in_;
};

std::time_t ToTimeT(const FileTime& t) {
    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_hour = t.hour;
    tm.tm_min = t.minute;
    tm.tm_sec = t.second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

class MemoryHeldFile final : public HeldFile {
public:
    MemoryHeldFile(std::shared_ptr<std::set<std::string>> held, std::string host)
        : held_(std::move(held)), host_(std::move(host)) {
        held_->insert(host_);
    }
    MemoryHeldFile(const MemoryHeldFile&) = delete;
    MemoryHeldFile& operator=(const MemoryHeldFile&) = delete;
    ~MemoryHeldFile() override { held_->erase(host_); }

private:
    std::shared_ptr<std::set<std::string>> held_;
    std::string host_;
};

}  // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern) {
    if (pattern.empty()) return name.empty();
    if (pattern[0] == '*') {
        for (std::size_t skip = 0; skip <= name.size(); ++skip)
            if (MatchesPattern(name.substr(skip), pattern.substr(1))) return true;
        return false;
    }
    if (name.empty()) return false;
    if (pattern[0] != '?' && ToUpper(std::string(1, pattern[0])) != ToUpper(std::string(1, name[0]))) return false;
    return MatchesPattern(name.substr(1), pattern.substr(1));
}

MemoryFiles::MemoryFiles(fs::path root) : root_(std::move(root)) { fs::create_directories(root_); }

std::string MemoryFiles::HostPath(const std::string& windowsPath) const {
    fs::path host = root_;
    for (const std::string& part : SplitPath(windowsPath)) {
        fs::path next = host / part;
        std::error_code ec;
        if (!fs::exists(next, ec) && fs::is_directory(host, ec)) {
            for (const auto& entry : fs::directory_iterator(host, ec)) {
                if (EqualsNoCase(entry.path().filename().string(), part)) {
                    next = entry.path();
                    break;
                }
            }
        }
        host = next;
    }
    return host.string();
}

// NOLINTNEXTLINE(readability-make-member-function-const): puts a file among those the twin stands for
void MemoryFiles::Put(const std::string& windowsPath, const std::string& bytes) {
    fs::path host = HostPath(windowsPath);
    fs::create_directories(host.parent_path());
    std::ofstream(host, std::ios::binary | std::ios::trunc) << bytes;
}

// NOLINTNEXTLINE(readability-make-member-function-const): changes a file the twin stands for
void MemoryFiles::SetModifiedTime(const std::string& windowsPath, const FileTime& time) {
    auto system = std::chrono::system_clock::from_time_t(ToTimeT(time));
    fs::last_write_time(HostPath(windowsPath), std::chrono::file_clock::from_sys(system));
}

std::map<std::string, std::string> MemoryFiles::Dump() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root_))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), root_).generic_string()] =
                (std::ostringstream() << std::ifstream(entry.path(), std::ios::binary).rdbuf()).str();
    return files;
}

// As the system's file search: a name ending in a backslash names nothing, not even the folder.
bool MemoryFiles::Exists(const std::string& path) {
    if (path.find_first_of("*?") != std::string::npos || path.ends_with('\\')) return false;
    std::error_code ec;
    return fs::exists(HostPath(path), ec);
}

bool MemoryFiles::IsFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(HostPath(path), ec);
}

std::vector<std::string> MemoryFiles::List(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(HostPath(folder), ec)) {
        std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && MatchesPattern(name, pattern)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::uint64_t> MemoryFiles::Size(const std::string& path) {
    std::error_code ec;
    auto size = fs::file_size(HostPath(path), ec);
    if (ec) return std::nullopt;
    return size;
}

std::optional<FileTime> MemoryFiles::ModifiedTime(const std::string& path) {
    std::error_code ec;
    auto written = fs::last_write_time(HostPath(path), ec);
    if (ec) return std::nullopt;
    std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm tm{};
    localtime_r(&t, &tm);
    return FileTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::unique_ptr<FileReader> MemoryFiles::OpenRead(const std::string& path) {
    if (IsFolder(path)) return nullptr;
    auto reader = std::make_unique<HostReader>(HostPath(path));
    if (!reader->Ok()) return nullptr;
    return reader;
}

std::optional<std::string> MemoryFiles::ReadAll(const std::string& path) {
    if (IsFolder(path)) return std::nullopt;
    std::ifstream in(HostPath(path), std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    // The size first, then the bytes in one read: a large database is read as fast as the system can.
    const std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::optional<bool> MemoryFiles::Hooked(FileChange::Kind kind, const std::string& path, const std::string& to) const {
    // The call that makes each change on Windows, by kind.
    constexpr const char* kCalls[] = {"CreateFileA", "", "CopyFileA", "MoveFileExA", "DeleteFileA", "CreateDirectoryA"};
    if (faults && !faults->Allows(kCalls[static_cast<int>(kind)], to.empty() ? path : to)) return false;
    const auto hooked = onChange ? onChange(FileChange{kind, path, to}) : std::nullopt;
    if (hooked == false && kind != FileChange::Kind::Append)
        ReportWriteFailure({kCalls[static_cast<int>(kind)], to.empty() ? path : to, 5, "Zugriff verweigert"});
    return hooked;
}

bool MemoryFiles::IsHeld(const std::string& path) const { return held_->contains(HostPath(path)); }

bool MemoryFiles::WriteAll(const std::string& path, const std::string& bytes) {
    if (const auto hooked = Hooked(FileChange::Kind::WriteAll, path)) return *hooked;
    if (IsHeld(path)) return false;
    std::ofstream out(HostPath(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

bool MemoryFiles::Append(const std::string& path, const std::string& bytes) {
    if (const auto hooked = Hooked(FileChange::Kind::Append, path)) return *hooked;
    if (IsHeld(path)) return false;
    std::ofstream out(HostPath(path), std::ios::binary | std::ios::app);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    return static_cast<bool>(out);
}

bool MemoryFiles::Copy(const std::string& from, const std::string& to) {
    if (const auto hooked = Hooked(FileChange::Kind::Copy, from, to)) return *hooked;
    std::error_code ec;
    if (IsHeld(to) || !fs::is_regular_file(HostPath(from), ec)) return false;
    return fs::copy_file(HostPath(from), HostPath(to), fs::copy_options::overwrite_existing, ec) && !ec;
}

bool MemoryFiles::Replace(const std::string& from, const std::string& to) {
    if (const auto hooked = Hooked(FileChange::Kind::Replace, from, to)) return *hooked;
    if (IsHeld(from) || IsHeld(to)) return false;
    std::error_code ec;
    fs::rename(HostPath(from), HostPath(to), ec);
    return !ec;
}

bool MemoryFiles::Delete(const std::string& path) {
    if (const auto hooked = Hooked(FileChange::Kind::Delete, path)) return *hooked;
    std::error_code ec;
    if (IsHeld(path) || !fs::is_regular_file(HostPath(path), ec)) return false;
    return fs::remove(HostPath(path), ec);
}

bool MemoryFiles::CreateFolder(const std::string& path) {
    if (const auto hooked = Hooked(FileChange::Kind::CreateFolder, path)) return *hooked;
    std::error_code ec;
    return fs::create_directory(HostPath(path), ec);
}

std::unique_ptr<HeldFile> MemoryFiles::Hold(const std::string& path) {
    const auto bytes = ReadAll(path);
    if (!bytes) return nullptr;
    auto held = std::make_unique<MemoryHeldFile>(held_, HostPath(path));
    held->bytes = *bytes;
    return held;
}

bool MemoryFiles::Writable(const std::string& path) {
    std::error_code ec;
    return !IsHeld(path) && fs::is_regular_file(HostPath(path), ec);
}

}  // namespace kolvane
