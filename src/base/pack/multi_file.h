#pragma once
// Joins files into one pack file and takes them out again, one or all (layout in pack_format.h).
// Each member is read and written whole, so the class suits files that fit in memory.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"

namespace kolvane {

// Progress of packing and unpacking. PercentWritten is ByteWritten * 100 / ByteToWrite rounded,
// 100 when there is nothing to write.
// Implemented by PackProgressPrinter (pack/pack_command.cpp) and the recorder in the pack tests.
class MultiFileEvents {
public:
    virtual ~MultiFileEvents() = default;
    // After each member is appended to the pack, and once more with the pack file's name after the
    // directory, once the pack is in place.
    virtual void FileWritten(const std::string& FileName, std::uint64_t ByteToWrite,
                             std::uint64_t ByteWritten, int PercentWritten) = 0;
    // After each member is written by a full extraction (none when a single member is taken out).
    virtual void FilesExtract(const std::string& FileName, std::uint64_t ByteToWrite,
                              std::uint64_t ByteWritten, int PercentWritten) = 0;
};

// NOLINTNEXTLINE(cppcoreguidelines-special-member-functions): copies are refused, it owns nothing to destroy
class clsMultiFile {
public:
    // events may be null.
    clsMultiFile(Files& files, MultiFileEvents* events);
    clsMultiFile(const clsMultiFile&) = delete;
    clsMultiFile& operator=(const clsMultiFile&) = delete;

    // The whole directory block of a sound pack file; empty otherwise.
    std::string CompactFileInfo(const std::string& CompactFile);
    // The file exists, has at least 18 bytes and ends in the magic.
    bool IsCompactFile(const std::string& CompactFile);

    // Empties the list of files to pack.
    void Init();
    // False when the file is missing, a folder or empty, or when its name is unfit for a pack or
    // already listed (names compare without regard to case, as they would land in one folder).
    bool AddFile(const std::string& Path);
    // Writes all listed files as a pack, through a temporary file that then replaces the target.
    // False when the list is empty, the directory would not fit, the target is one of the sources,
    // a source has vanished or changed its size since it was added, or the write fails.
    bool CompactFiles(const std::string& CompactFileName);

    // Writes the members, or only the one named OnlyThisFile (compared in capitals), into TargetPath,
    // each through a temporary file. False when the folder or pack is missing, the pack is not sound,
    // a member name could leave the folder or occurs twice, OnlyThisFile matches nothing, or a write
    // fails. Nothing is written unless every check passes.
    bool ExtractFiles(const std::string& CompactFile, const std::string& TargetPath,
                      const std::string& OnlyThisFile);
    // The content of the member named FileName (compared in capitals); empty when there is none.
    std::string ExtractFile2String(const std::string& CompactFile, const std::string& FileName);

private:
    struct Entry {
        std::string path;
        std::string name;
        std::uint64_t size = 0;
        std::uint64_t offset = 0;
    };

    Files& files_;
    MultiFileEvents* events_;
    std::vector<Entry> entries_;
};

}  // namespace kolvane
