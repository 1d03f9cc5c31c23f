#include "host_files.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/text.h"
#include "tool_files.h"

namespace kolvane {
namespace {

namespace fs = std::filesystem;

fs::path Host(const std::string& path) {
    std::string host = path;
    std::replace(host.begin(), host.end(), '\\', '/');
    return host;
}

// '*' any run of characters, '?' one character, letters without regard to case as on Windows.
bool Matches(std::string_view name, std::string_view pattern) {
    if (pattern.empty()) return name.empty();
    if (pattern.front() == '*') {
        for (std::size_t skip = 0; skip <= name.size(); ++skip) {
            if (Matches(name.substr(skip), pattern.substr(1))) return true;
        }
        return false;
    }
    if (name.empty()) return false;
    if (pattern.front() != '?' && ToUpperChar(pattern.front()) != ToUpperChar(name.front())) return false;
    return Matches(name.substr(1), pattern.substr(1));
}

class HostReader final : public FileReader {
public:
    explicit HostReader(const fs::path& path) : in_(path, std::ios::binary) {}
    bool IsOpen() const { return in_.is_open(); }
    std::int64_t Read(char* buffer, std::size_t size) override {
        in_.read(buffer, static_cast<std::streamsize>(size));
        return in_.bad() ? -1 : static_cast<std::int64_t>(in_.gcount());
    }

private:
    std::ifstream in_;
};

}  // namespace

std::unique_ptr<Files> MakeToolFiles() { return std::make_unique<HostFiles>(); }

bool HostFiles::Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(Host(path), ec);
}

bool HostFiles::IsFolder(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(Host(path), ec);
}

std::vector<std::string> HostFiles::List(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(Host(folder), ec)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(ec) && Matches(name, pattern)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::uint64_t> HostFiles::Size(const std::string& path) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(Host(path), ec);
    if (ec) return std::nullopt;
    return size;
}

std::optional<FileTime> HostFiles::ModifiedTime(const std::string& path) {
    std::error_code ec;
    const fs::file_time_type written = fs::last_write_time(Host(path), ec);
    if (ec) return std::nullopt;
    const std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm local{};
    if (!localtime_r(&t, &local)) return std::nullopt;
    return FileTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                    local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::unique_ptr<FileReader> HostFiles::OpenRead(const std::string& path) {
    if (IsFolder(path)) return nullptr;
    auto reader = std::make_unique<HostReader>(Host(path));
    if (!reader->IsOpen()) return nullptr;
    return reader;
}

std::optional<std::string> HostFiles::ReadAll(const std::string& path) {
    if (IsFolder(path)) return std::nullopt;
    std::ifstream in(Host(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

bool HostFiles::WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(Host(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out) return true;
    Delete(path);
    return false;
}

bool HostFiles::Append(const std::string& path, const std::string& bytes) {
    std::ofstream out(Host(path), std::ios::binary | std::ios::app);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return static_cast<bool>(out);
}

bool HostFiles::Copy(const std::string& from, const std::string& to) {
    std::error_code ec;
    return fs::copy_file(Host(from), Host(to), fs::copy_options::overwrite_existing, ec) && !ec;
}

bool HostFiles::Replace(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::rename(Host(from), Host(to), ec);
    return !ec;
}

bool HostFiles::Delete(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(Host(path), ec) && fs::remove(Host(path), ec);
}

bool HostFiles::CreateFolder(const std::string& path) {
    std::error_code ec;
    return fs::create_directory(Host(path), ec);
}

}  // namespace kolvane
