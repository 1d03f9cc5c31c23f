#include "pack/pack_format.h"

#include <charconv>

namespace kolvane {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kLengthDigits = 4;

// Decimal digits only: no sign, no blank, nothing beyond 64 bits.
std::optional<std::uint64_t> ParseCount(std::string_view digits) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

std::optional<PackEntry> ParseLine(std::string_view line) {
    const std::size_t firstTab = line.find('\t');
    if (firstTab == std::string_view::npos) return std::nullopt;
    const std::size_t secondTab = line.find('\t', firstTab + 1);
    if (secondTab == std::string_view::npos) return std::nullopt;
    const std::string_view name = line.substr(0, firstTab);
    const auto offset = ParseCount(line.substr(firstTab + 1, secondTab - firstTab - 1));
    const auto size = ParseCount(line.substr(secondTab + 1));
    if (name.empty() || !offset || !size) return std::nullopt;
    return PackEntry{std::string(name), *offset, *size};
}

}  // namespace

std::optional<std::string> BuildPackBlock(const std::vector<PackEntry>& entries) {
    std::string block;
    for (const PackEntry& entry : entries) {
        block += entry.name;
        block += '\t';
        block += std::to_string(entry.offset);
        block += '\t';
        block += std::to_string(entry.size);
        block += kLineEnd;
    }
    const std::size_t length = block.size() + kPackTrailerSize;
    if (length > kPackLargestBlock) return std::nullopt;
    const std::string digits = std::to_string(length);
    block += std::string(kLengthDigits - digits.size(), '0') + digits;
    block += '\t';
    block += kPackMagic;
    return block;
}

bool HasPackTrailer(std::string_view tail) {
    return tail.size() >= kPackTrailerSize && tail.substr(tail.size() - kPackMagic.size()) == kPackMagic;
}

std::optional<PackDirectory> ReadPackDirectory(std::string_view pack) {
    if (!HasPackTrailer(pack)) return std::nullopt;
    const std::string_view trailer = pack.substr(pack.size() - kPackTrailerSize);
    if (trailer[kLengthDigits] != '\t') return std::nullopt;
    const auto length = ParseCount(trailer.substr(0, kLengthDigits));
    if (!length || *length < kPackTrailerSize || *length > pack.size()) return std::nullopt;

    PackDirectory directory;
    directory.dataSize = pack.size() - *length;
    directory.block = std::string(pack.substr(directory.dataSize));
    std::string_view lines = std::string_view(directory.block).substr(0, *length - kPackTrailerSize);
    std::uint64_t nextOffset = 0;
    while (!lines.empty()) {
        const std::size_t end = lines.find(kLineEnd);
        if (end == std::string_view::npos) return std::nullopt;
        auto entry = ParseLine(lines.substr(0, end));
        lines.remove_prefix(end + kLineEnd.size());
        if (!entry || entry->offset != nextOffset || entry->size > directory.dataSize - nextOffset)
            return std::nullopt;
        nextOffset += entry->size;
        directory.entries.push_back(std::move(*entry));
    }
    if (nextOffset != directory.dataSize) return std::nullopt;
    return directory;
}

}  // namespace kolvane
