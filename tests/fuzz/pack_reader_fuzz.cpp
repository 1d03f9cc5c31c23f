// Feeds arbitrary bytes to the pack reader as if they were a whole pack file (./fuzz.sh runs it on the
// seeds in tests/corpus/pack/, which hold a pack of every shape the reader refuses; every build replays them).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "pack/member_name.h"
#include "pack/pack_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view pack(reinterpret_cast<const char*>(data), size);
    const auto directory = kolvane::ReadPackDirectory(pack);
    if (!directory) return 0;
    // What the reader accepts must lie inside the file and tile its data area exactly.
    std::uint64_t next = 0;
    for (const kolvane::PackEntry& entry : directory->entries) {
        if (entry.offset != next || entry.size > directory->dataSize - next) std::abort();
        next += entry.size;
        (void)pack.substr(static_cast<std::size_t>(entry.offset), static_cast<std::size_t>(entry.size));
        (void)kolvane::IsSafeMemberName(entry.name);
    }
    if (next != directory->dataSize || directory->dataSize + directory->block.size() != size) std::abort();
    return 0;
}
