#include "pack/pack_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pack/pack_fixture.h"

namespace kolvane {
namespace {

TEST(PackFormat, BuildsTheBlockOfTheDirectory) {
    struct Case {
        const char* what;
        std::vector<PackEntry> entries;
        std::optional<std::string> block;
    };
    const Case cases[] = {
        {"one member of five bytes", {{"A.TXT", 0, 5}}, "A.TXT\t0\t5\r\n0029\t*CompactFile*"},
        {"two members, offsets 0 and 10", {{"A.TXT", 0, 10}, {"C.TXT", 10, 25}},
         "A.TXT\t0\t10\r\nC.TXT\t10\t25\r\n0043\t*CompactFile*"},
        {"offset beyond 32 bits", {{"X", 5000000000, 7}}, "X\t5000000000\t7\r\n0034\t*CompactFile*"},
        // A line of name + 6 bytes plus the trailer: the block is name + 24 bytes long.
        {"block of 9999 bytes", {{std::string(9975, 'N'), 0, 5}}, std::string(9975, 'N') + "\t0\t5\r\n9999\t*CompactFile*"},
        {"block of 10000 bytes does not fit four digits", {{std::string(9976, 'N'), 0, 5}}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(BuildPackBlock(c.entries), c.block);
    }
}

TEST(PackFormat, ReadsTheDirectoryOfSoundPacks) {
    struct Case {
        const char* what;
        std::string pack;
        std::vector<PackEntry> entries;
        std::uint64_t dataSize;
    };
    const Case cases[] = {
        {"smallest pack", kSmallestPack, {{"A.TXT", 0, 5}}, 5},
        {"two members", std::string(10, 'a') + std::string(25, 'c') + "A.TXT\t0\t10\r\nC.TXT\t10\t25\r\n0043\t*CompactFile*",
         {{"A.TXT", 0, 10}, {"C.TXT", 10, 25}}, 35},
        {"no members", "0018\t*CompactFile*", {}, 0},
        {"member of no bytes", "E.TXT\t0\t0\r\n0029\t*CompactFile*", {{"E.TXT", 0, 0}}, 0},
        {"leading zeros in numbers", "HalloA.TXT\t00\t05\r\n0031\t*CompactFile*", {{"A.TXT", 0, 5}}, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto directory = ReadPackDirectory(c.pack);
        ASSERT_TRUE(directory.has_value());
        EXPECT_EQ(directory->entries, c.entries);
        EXPECT_EQ(directory->dataSize, c.dataSize);
        EXPECT_EQ(directory->block, c.pack.substr(c.dataSize));
    }
}

// Members must tile the data area exactly, so that none can point past it or overlap another.
TEST(PackFormat, RefusesTruncatedAndCorruptPacks) {
    const std::pair<const char*, std::string> cases[] = {
        {"last byte missing", kSmallestPack.substr(0, 33)},
        {"first byte missing", kSmallestPack.substr(1)},
        {"data byte added", "x" + kSmallestPack},
        {"magic alone", "*CompactFile*"},
        {"length field not digits", "HalloA.TXT\t0\t5\r\n00x9\t*CompactFile*"},
        {"length field with sign", "HalloA.TXT\t0\t5\r\n+029\t*CompactFile*"},
        {"length below the trailer", "HalloA.TXT\t0\t5\r\n0017\t*CompactFile*"},
        {"length beyond the file", "HalloA.TXT\t0\t5\r\n0035\t*CompactFile*"},
        {"no tab before the magic", "HalloA.TXT\t0\t5\r\n0029 *CompactFile*"},
        {"line without its line end", "HalloA.TXT\t0\t5" "0027\t*CompactFile*"},
        {"line end without carriage return", "HalloA.TXT\t0\t5\n0028\t*CompactFile*"},
        {"line without size", "HalloA.TXT\t0xx\r\n0029\t*CompactFile*"},
        {"line with an extra field", "HalloA.TXT\t0\t5\t\r\n0030\t*CompactFile*"},
        {"empty line", "Hallo\r\nA.TXT\t0\t5\r\n0031\t*CompactFile*"},
        {"empty name", "Hallo" "\t0\t5\r\n" "0024\t*CompactFile*"},
        {"negative size", "HalloA.TXT\t0\t-5\r\n0030\t*CompactFile*"},
        {"size past the data", "HalloA.TXT\t0\t6\r\n0029\t*CompactFile*"},
        {"offset not where the previous member ends", "HalloA\t0\t5\r\nB\t0\t5\r\n0032\t*CompactFile*"},
        {"size beyond 64 bits", "HalloA\t0\t99999999999999999999\r\n0044\t*CompactFile*"},
        // Without a bound on each size the running offset would wrap round to 4 and C would tile the rest.
        {"sizes wrapping round the offsets",
         "HalloA\t0\t5\r\nB\t5\t18446744073709551615\r\nC\t4\t1\r\n0058\t*CompactFile*"},
    };
    for (const auto& [what, pack] : cases) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(ReadPackDirectory(pack).has_value());
    }
}

}  // namespace
}  // namespace kolvane
