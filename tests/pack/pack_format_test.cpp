#include "pack/pack_format.h"

#include "pack/pack_fixture.h"

namespace kolvane {
namespace {

// Members must tile the data area exactly, so that none can point past it or overlap another; packs
// without members and members of no bytes are read by the pack tool's tests.
TEST(PackFormat, ReadsOnlySoundPacks) {
    using E = std::vector<PackEntry>;
    const std::optional<E> refused;
    const std::pair<std::string, std::optional<E>> cases[] = {
        {kSmallestPack, E{{"A.TXT", 0, 5}}},
        {"aaccc" "A\t0\t2\r\nC\t2\t3\r\n0032\t*CompactFile*", E{{"A", 0, 2}, {"C", 2, 3}}},
        {"HalloA.TXT\t00\t05\r\n0031\t*CompactFile*", E{{"A.TXT", 0, 5}}},
        {kSmallestPack.substr(0, 33), refused},
        {"x" + kSmallestPack, refused},
        {"HalloA.TXT\t0\t5\r\n00x9\t*CompactFile*", refused},
        {"HalloA.TXT\t0\t5\r\n0017\t*CompactFile*", refused},  // length below the trailer
        {"HalloA.TXT\t0\t5\r\n0035\t*CompactFile*", refused},  // length beyond the file
        {"HalloA.TXT\t0\t5\r\n0029 *CompactFile*", refused},
        {"HalloA.TXT\t0\t5" "0027\t*CompactFile*", refused},
        {"HalloA.TXT\t0xx\r\n0029\t*CompactFile*", refused},
        {"Hallo\t0\t5\r\n0024\t*CompactFile*", refused},  // empty name
        {"HalloA.TXT\t0\t6\r\n0029\t*CompactFile*", refused},  // size past the data
        {"HalloA\t0\t5\r\nB\t0\t5\r\n0032\t*CompactFile*", refused},  // overlapping members
        {"HalloA\t0\t99999999999999999999\r\n0044\t*CompactFile*", refused},
        // Without a bound on each size the running offset would wrap round to 4 and C would tile the rest.
        {"HalloA\t0\t5\r\nB\t5\t18446744073709551615\r\nC\t4\t1\r\n0058\t*CompactFile*", refused},
    };
    for (const auto& [pack, entries] : cases) {
        SCOPED_TRACE(testing::PrintToString(pack));
        const auto directory = ReadPackDirectory(pack);
        ASSERT_EQ(directory.has_value(), entries.has_value());
        if (!directory) continue;
        EXPECT_EQ(directory->entries, *entries);
        EXPECT_EQ(directory->dataSize + directory->block.size(), pack.size());
        EXPECT_EQ(directory->block, pack.substr(entries->empty() ? 0 : entries->back().offset + entries->back().size));
    }
}

}  // namespace
}  // namespace kolvane
