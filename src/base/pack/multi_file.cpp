#include "pack/multi_file.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

#include "pack/member_name.h"
#include "pack/pack_format.h"
#include "platform/text.h"

namespace kolvane {
namespace {

constexpr std::string_view kSeparators = "\\/";
constexpr int kTemporaryNameTries = 100;
constexpr std::size_t kReadChunk = std::size_t{64} * 1024;

int Percent(std::uint64_t written, std::uint64_t total) {
    if (total == 0) return 100;
    const double share = static_cast<double>(written) / static_cast<double>(total);
    return static_cast<int>(std::floor(100.0 * share + 0.5));
}

std::string NameOf(const std::string& path) {
    const std::size_t cut = path.find_last_of(kSeparators);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && kSeparators.find(folder.back()) != std::string_view::npos) return folder + name;
    return folder + "\\" + name;
}

// Both separators name the same folder on Windows.
bool SamePath(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const bool separators = kSeparators.find(a[i]) != std::string_view::npos &&
                                kSeparators.find(b[i]) != std::string_view::npos;
        if (!separators && ToUpperChar(a[i]) != ToUpperChar(b[i])) return false;
    }
    return true;
}

// The last bytes of a file, read through to its end: the file interface offers no seek.
std::optional<std::string> ReadTail(Files& files, const std::string& path, std::size_t count) {
    std::unique_ptr<FileReader> reader = files.OpenRead(path);
    if (!reader) return std::nullopt;
    std::string tail;
    std::string chunk(kReadChunk, '\0');
    for (;;) {
        const std::int64_t got = reader->Read(chunk.data(), chunk.size());
        if (got < 0) return std::nullopt;
        if (got == 0) return tail;
        tail.append(chunk.data(), static_cast<std::size_t>(got));
        if (tail.size() > count) tail.erase(0, tail.size() - count);
    }
}

// The target is replaced in one step, so it is never missing or half-written; a name that is taken
// already is passed over, so that no unrelated file is overwritten.
bool WriteThroughTemporary(Files& files, const std::string& target, const std::string& bytes) {
    for (int n = 0; n < kTemporaryNameTries; ++n) {
        const std::string temporary = target + ".~" + std::to_string(n) + ".tmp";
        if (files.Exists(temporary)) continue;
        if (files.WriteAll(temporary, bytes) && files.Replace(temporary, target)) return true;
        files.Delete(temporary);
        return false;
    }
    return false;
}

// The directory was checked to lie within the pack, so the casts cannot cut a position.
std::string MemberBytes(const std::string& pack, const PackEntry& entry) {
    return pack.substr(static_cast<std::size_t>(entry.offset), static_cast<std::size_t>(entry.size));
}

bool HasDuplicateNames(const std::vector<PackEntry>& entries) {
    std::vector<std::string> names;
    names.reserve(entries.size());
    for (const PackEntry& entry : entries) names.push_back(ToUpper(entry.name));
    std::sort(names.begin(), names.end());
    return std::adjacent_find(names.begin(), names.end()) != names.end();
}

}  // namespace

clsMultiFile::clsMultiFile(Files& files, MultiFileEvents* events) : files_(files), events_(events) {}

std::string clsMultiFile::CompactFileInfo(const std::string& CompactFile) {
    const std::optional<std::string> pack = files_.ReadAll(CompactFile);
    if (!pack) return {};
    std::optional<PackDirectory> directory = ReadPackDirectory(*pack);
    return directory ? std::move(directory->block) : std::string();
}

bool clsMultiFile::IsCompactFile(const std::string& CompactFile) {
    if (!files_.Exists(CompactFile) || files_.IsFolder(CompactFile)) return false;
    const std::optional<std::string> tail = ReadTail(files_, CompactFile, kPackTrailerSize);
    return tail && HasPackTrailer(*tail);
}

void clsMultiFile::Init() { entries_.clear(); }

bool clsMultiFile::AddFile(const std::string& Path) {
    if (!files_.Exists(Path) || files_.IsFolder(Path)) return false;
    const std::optional<std::uint64_t> size = files_.Size(Path);
    if (!size || *size == 0) return false;
    std::string name = NameOf(Path);
    if (!IsSafeMemberName(name)) return false;
    const bool listed = std::any_of(entries_.begin(), entries_.end(),
                                    [&](const Entry& entry) { return EqualsNoCase(entry.name, name); });
    if (listed) return false;
    const std::uint64_t offset = entries_.empty() ? 0 : entries_.back().offset + entries_.back().size;
    entries_.push_back({Path, std::move(name), *size, offset});
    return true;
}

bool clsMultiFile::CompactFiles(const std::string& CompactFileName) {
    if (entries_.empty()) return false;
    std::vector<PackEntry> lines;
    std::uint64_t byteToWrite = 0;
    for (const Entry& entry : entries_) {
        if (SamePath(entry.path, CompactFileName)) return false;
        lines.push_back({entry.name, entry.offset, entry.size});
        byteToWrite += entry.size;
    }
    const std::optional<std::string> block = BuildPackBlock(lines);
    if (!block) return false;

    std::string pack;
    std::uint64_t byteWritten = 0;
    for (const Entry& entry : entries_) {
        const std::optional<std::string> bytes = files_.ReadAll(entry.path);
        // A changed size would shift every later member away from its recorded offset.
        if (!bytes || bytes->size() != entry.size) return false;
        pack += *bytes;
        byteWritten += entry.size;
        if (events_) {
            events_->FileWritten(entry.name, byteToWrite, byteWritten, Percent(byteWritten, byteToWrite));
        }
    }
    pack += *block;
    if (!WriteThroughTemporary(files_, CompactFileName, pack)) return false;
    if (events_) events_->FileWritten(NameOf(CompactFileName), byteToWrite, byteWritten, 100);
    return true;
}

bool clsMultiFile::ExtractFiles(const std::string& CompactFile, const std::string& TargetPath,
                                const std::string& OnlyThisFile) {
    if (!files_.IsFolder(TargetPath)) return false;
    const std::optional<std::string> pack = files_.ReadAll(CompactFile);
    if (!pack) return false;
    const std::optional<PackDirectory> directory = ReadPackDirectory(*pack);
    if (!directory || HasDuplicateNames(directory->entries)) return false;
    for (const PackEntry& entry : directory->entries) {
        if (!IsSafeMemberName(entry.name)) return false;
    }
    const auto wanted = [&](const PackEntry& entry) {
        return OnlyThisFile.empty() || EqualsNoCase(entry.name, OnlyThisFile);
    };
    if (!OnlyThisFile.empty() && std::none_of(directory->entries.begin(), directory->entries.end(), wanted))
        return false;

    std::uint64_t byteWritten = 0;
    for (const PackEntry& entry : directory->entries) {
        if (!wanted(entry)) continue;
        if (!WriteThroughTemporary(files_, JoinPath(TargetPath, entry.name), MemberBytes(*pack, entry)))
            return false;
        byteWritten += entry.size;
        if (events_ && OnlyThisFile.empty()) {
            events_->FilesExtract(entry.name, directory->dataSize, byteWritten,
                                  Percent(byteWritten, directory->dataSize));
        }
    }
    return true;
}

std::string clsMultiFile::ExtractFile2String(const std::string& CompactFile, const std::string& FileName) {
    const std::optional<std::string> pack = files_.ReadAll(CompactFile);
    if (!pack) return {};
    const std::optional<PackDirectory> directory = ReadPackDirectory(*pack);
    if (!directory) return {};
    for (const PackEntry& entry : directory->entries) {
        if (EqualsNoCase(entry.name, FileName)) return MemberBytes(*pack, entry);
    }
    return {};
}

}  // namespace kolvane
