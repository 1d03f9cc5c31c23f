#include "platform/ini_files_memory.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <system_error>

namespace kolvane {

namespace {

namespace fs = std::filesystem;

// The file's bytes; empty text for a missing file, nothing when it exists but cannot be read.
std::optional<std::string> Load(const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found) return std::string();
    if (status.type() != fs::file_type::regular) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

// A name beside the target that no other writer of this or another process picks at the same time.
fs::path TemporaryBeside(const fs::path& file) {
    static std::atomic<unsigned> counter{0};
    static const unsigned salt = std::random_device{}();
    fs::path temporary = file;
    temporary += ".~" + std::to_string(salt) + "-" + std::to_string(counter++);
    return temporary;
}

// Writes the whole file beside the target and renames it over the target, so that a reader sees the
// old file or the new one, never a half-written one.
bool Store(const fs::path& file, const std::string& bytes) {
    const fs::path temporary = TemporaryBeside(file);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, file, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

}  // namespace

MemoryIniFiles::MemoryIniFiles(PathMap hostPath) : hostPath_(std::move(hostPath)) {}

std::string MemoryIniFiles::Read(const std::string& path, const std::string& section, const std::string& key) {
    std::optional<std::string> bytes = Load(hostPath_(path));
    return bytes ? IniDocument(std::move(*bytes)).Read(section, key) : std::string();
}

bool MemoryIniFiles::Write(const std::string& path, const std::string& section, const std::string& key,
                           const std::string& value) {
    return Edit(path, [&](IniDocument& document) { return document.Write(section, key, value); });
}

bool MemoryIniFiles::DeleteKey(const std::string& path, const std::string& section, const std::string& key) {
    return Edit(path, [&](IniDocument& document) { return document.DeleteKey(section, key); });
}

bool MemoryIniFiles::DeleteSection(const std::string& path, const std::string& section) {
    return Edit(path, [&](IniDocument& document) { return document.DeleteSection(section); });
}

bool MemoryIniFiles::Edit(const std::string& path, const std::function<IniEdit(IniDocument&)>& edit) {
    if (faults && !faults->Allows("WritePrivateProfileStringA", path)) return false;
    const fs::path file = hostPath_(path);
    std::optional<std::string> bytes = Load(file);
    if (!bytes) return false;  // never replace a file that could not be read
    IniDocument document(std::move(*bytes));
    switch (edit(document)) {
        case IniEdit::Refused: return false;
        case IniEdit::Unchanged: return true;
        case IniEdit::Changed: return Store(file, document.Bytes());
    }
    return false;
}

}  // namespace kolvane
