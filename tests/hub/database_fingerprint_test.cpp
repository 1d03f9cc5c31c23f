#include "hub/database_fingerprint.h"

#include <gtest/gtest.h>

#include "platform/platform_memory.h"

namespace kolvane {
namespace {

TEST(FileFingerprint, MatchesKnownDigestsAcrossBlockBoundaries) {
    struct Case {
        const char* name;
        std::string content;
        const char* digest;
    };
    const Case cases[] = {
        {"empty", "", "D41D8CD98F00B204E9800998ECF8427E"},
        {"abc", "abc", "900150983CD24FB0D6963F7D28E17F72"},
        {"sentence", "The quick brown fox jumps over the lazy dog", "9E107D9D372BB6826BD81D3542A419D6"},
        {"one million a, many blocks and a partial one", std::string(1000000, 'a'),
         "7707D6AE4E027C70EEA2A935C2296F21"},
    };
    MemoryPlatform p;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        p.files.Put("C:\\Daten\\DATEX.DAT", c.content);
        EXPECT_EQ(FileFingerprint(p.files, p.md5, "C:\\Daten\\DATEX.DAT"), c.digest);
    }
}

TEST(FileFingerprint, MissingFileOrFolderHasNone) {
    MemoryPlatform p;
    p.files.Put("C:\\Daten\\x", "");
    EXPECT_EQ(FileFingerprint(p.files, p.md5, "C:\\Daten\\DATEX.DAT"), std::nullopt);
    EXPECT_EQ(FileFingerprint(p.files, p.md5, "C:\\Daten"), std::nullopt);
}

}  // namespace
}  // namespace kolvane
