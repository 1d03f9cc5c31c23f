#pragma once
// Files and folders through the A functions of kernel32.
#include "platform/files.h"

namespace kolvane {

class Win32Files final : public Files {
public:
    // The name must not hold '*' or '?': a pattern would find some other file.
    bool Exists(const std::string& path) override;
    bool IsFolder(const std::string& path) override;
    std::vector<std::string> List(const std::string& folder, const std::string& pattern) override;
    std::optional<std::uint64_t> Size(const std::string& path) override;
    std::optional<FileTime> ModifiedTime(const std::string& path) override;
    // Shares reading, writing and deleting, so that the suite's programs keep working on the file meanwhile.
    std::unique_ptr<FileReader> OpenRead(const std::string& path) override;
    std::optional<std::string> ReadAll(const std::string& path) override;
    // A file that could not be written completely is removed again.
    bool WriteAll(const std::string& path, const std::string& bytes) override;
    bool Append(const std::string& path, const std::string& bytes) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool Replace(const std::string& from, const std::string& to) override;
    bool Delete(const std::string& path) override;
    // False when the folder exists already or its parent is missing.
    bool CreateFolder(const std::string& path) override;
    std::unique_ptr<HeldFile> Hold(const std::string& path) override;
    bool Writable(const std::string& path) override;
};

}  // namespace kolvane
