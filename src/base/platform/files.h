#pragma once
// Files and folders, by Windows paths (backslashes, names compared without regard to case).
// The file half of the kernel service: files_win32.cpp uses the A functions; files_memory.cpp maps the
// paths onto a real temporary folder, so that tests work on real files.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kolvane {

// Local time of a file's last write.
struct FileTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    friend bool operator==(const FileTime&, const FileTime&) = default;
};

class FileReader {
public:
    virtual ~FileReader() = default;
    // Reads up to size bytes; 0 at the end, -1 on a read error.
    virtual std::int64_t Read(char* buffer, std::size_t size) = 0;
};

// A file held open for reading: others may read it, but none may write, rename or delete it until the holder
// goes. Its bytes are read through the holding handle, so they are what any reader gets meanwhile.
class HeldFile {
public:
    virtual ~HeldFile() = default;
    std::string bytes;
};

class Files {
public:
    virtual ~Files() = default;
    // A search for the exact name that finds files and folders alike.
    virtual bool Exists(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // Names (without folder) of the files in folder matching a pattern such as "*.EXE".
    virtual std::vector<std::string> List(const std::string& folder, const std::string& pattern) = 0;
    virtual std::optional<std::uint64_t> Size(const std::string& path) = 0;
    virtual std::optional<FileTime> ModifiedTime(const std::string& path) = 0;
    virtual std::unique_ptr<FileReader> OpenRead(const std::string& path) = 0;
    virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
    // Writes a new file or truncates an existing one; used only for temporary files that are then replaced.
    virtual bool WriteAll(const std::string& path, const std::string& bytes) = 0;
    // Adds the bytes at the end of a file, which is created when missing: the diagnostic log's lines. A refusal
    // is not reported as a refused write, since the log is the one listening.
    virtual bool Append(const std::string& path, const std::string& bytes) = 0;
    virtual bool Copy(const std::string& from, const std::string& to) = 0;  // overwrites
    // MoveFileExA with replace-existing and write-through: the target is never left half-written.
    virtual bool Replace(const std::string& from, const std::string& to) = 0;
    virtual bool Delete(const std::string& path) = 0;
    virtual bool CreateFolder(const std::string& path) = 0;
    // Nothing when the file is missing, unreadable or open for writing elsewhere.
    virtual std::unique_ptr<HeldFile> Hold(const std::string& path) = 0;
    // Whether an existing file can be opened for writing now: false while another program holds it against it.
    virtual bool Writable(const std::string& path) = 0;
};

}  // namespace kolvane
