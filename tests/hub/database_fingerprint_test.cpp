#include "hub/database_fingerprint.h"

#include <gtest/gtest.h>

#include "platform/platform_memory.h"

namespace kolvane {
namespace {

TEST(FileFingerprint, MatchesKnownDigestsAcrossBlockBoundaries) {
    struct Case {
        const char* name;
        std::optional<std::string> content;  // none: the name is a folder
        std::optional<std::string> digest;
    };
    const Case cases[] = {
        {"empty", "", "D41D8CD98F00B204E9800998ECF8427E"},
        {"sentence", "The quick brown fox jumps over the lazy dog", "9E107D9D372BB6826BD81D3542A419D6"},
        {"one million a, many blocks and a partial one", std::string(1000000, 'a'),
         "7707D6AE4E027C70EEA2A935C2296F21"},
        {"a folder has none", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryPlatform p;
        p.files.Put(c.content ? "C:\\Daten\\DATEX.DAT" : "C:\\Daten\\DATEX.DAT\\x", c.content.value_or(""));
        EXPECT_EQ(FileFingerprint(p.files, p.md5, "C:\\Daten\\DATEX.DAT"), c.digest);
        EXPECT_EQ(FileFingerprint(p.files, p.md5, "C:\\Daten\\FEHLT.DAT"), std::nullopt);
    }
}

}  // namespace
}  // namespace kolvane
