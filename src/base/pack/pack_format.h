#pragma once
// The pack file layout: the member files back to back, then a text directory with one
// "name<TAB>offset<TAB>size<CR><LF>" line per member, then an 18-byte trailer of the block length
// as four digits, a tab and "*CompactFile*". A reader finds the directory from the end of the file.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kolvane {

inline constexpr std::string_view kPackMagic = "*CompactFile*";
inline constexpr std::size_t kPackTrailerSize = 18;
// The length field holds the whole block (directory and trailer) in four digits.
inline constexpr std::size_t kPackLargestBlock = 9999;

struct PackEntry {
    std::string name;
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
    friend bool operator==(const PackEntry&, const PackEntry&) = default;
};

struct PackDirectory {
    std::vector<PackEntry> entries;
    std::string block;  // directory lines and trailer, as they stand at the end of the file
    std::uint64_t dataSize = 0;
};

// The directory block for these members in this order; nothing when it would not fit the length field.
std::optional<std::string> BuildPackBlock(const std::vector<PackEntry>& entries);

// The marker test on the last bytes of a file: at least 18 of them, ending in the magic.
bool HasPackTrailer(std::string_view tail);

// The directory of a whole pack file. Nothing unless the bytes are a sound pack: a readable length
// field within the file, well-formed lines, and members that exactly tile the data area, so that no
// member can point past the data or overlap another.
std::optional<PackDirectory> ReadPackDirectory(std::string_view pack);

}  // namespace kolvane
