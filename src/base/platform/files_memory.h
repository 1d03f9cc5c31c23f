#pragma once
// Files for tests: Windows paths ("C:\Prog\DATEX.DAT", "\\server\share\x") are mapped onto real files in a
// temporary host folder, with the names compared without regard to case as Windows does.
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "platform/files.h"
#include "platform/faults_memory.h"

namespace kolvane {

// A change the program asks of its files: the file written, copied, replaced, deleted or created, and for a copy
// or a replace the file it lands on.
struct FileChange {
    enum class Kind { WriteAll, Append, Copy, Replace, Delete, CreateFolder } kind;
    std::string path;
    std::string to;
};

class MemoryFiles : public Files {
public:
    explicit MemoryFiles(std::filesystem::path root);

    // Runs before every change, so that a test sees the changes in their order or makes them fail as a peer
    // program holding a file or a full disk does: no value lets the change happen, a value ends the call with
    // that result and changes nothing. A write made to fail is reported as the system reports a refused one
    // (error 5, access denied), except an append, whose refusal the system does not report either.
    std::function<std::optional<bool>(const FileChange&)> onChange;
    // Asked before onChange; a change it refuses changes nothing.
    FaultInjector* faults = nullptr;

    // The host path that a Windows path maps to (existing components matched without regard to case).
    std::string HostPath(const std::string& windowsPath) const;
    // Test helpers: write or read a file by its Windows path, creating folders as needed.
    void Put(const std::string& windowsPath, const std::string& bytes);
    void SetModifiedTime(const std::string& windowsPath, const FileTime& time);
    // Every file with its bytes, by its path below the root ("C/Orvintal/DATEX.DAT"): the whole tree that a test
    // compares before and after.
    std::map<std::string, std::string> Dump() const;

    bool Exists(const std::string& path) override;
    bool IsFolder(const std::string& path) override;
    std::vector<std::string> List(const std::string& folder, const std::string& pattern) override;
    std::optional<std::uint64_t> Size(const std::string& path) override;
    std::optional<FileTime> ModifiedTime(const std::string& path) override;
    std::unique_ptr<FileReader> OpenRead(const std::string& path) override;
    std::optional<std::string> ReadAll(const std::string& path) override;
    bool WriteAll(const std::string& path, const std::string& bytes) override;
    bool Append(const std::string& path, const std::string& bytes) override;
    bool Copy(const std::string& from, const std::string& to) override;
    bool Replace(const std::string& from, const std::string& to) override;
    bool Delete(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    std::unique_ptr<HeldFile> Hold(const std::string& path) override;
    bool Writable(const std::string& path) override;

private:
    std::optional<bool> Hooked(FileChange::Kind kind, const std::string& path, const std::string& to = "") const;
    bool IsHeld(const std::string& path) const;

    std::filesystem::path root_;
    // The host paths of the files held open: writing, replacing and deleting them fails, as on Windows.
    std::shared_ptr<std::set<std::string>> held_ = std::make_shared<std::set<std::string>>();
};

// Matches a file name against a pattern with '*' and '?', without regard to case, as FindFirstFile does
// for the simple patterns the program uses.
bool MatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace kolvane
