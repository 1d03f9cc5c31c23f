#pragma once
// The member store on the in-memory platform: real files in a temporary folder, a fake clock, recorded
// message boxes, locks within the test, and files that a test can make fail the way a peer program or
// a full disk makes them fail on Windows.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/platform_memory.h"
#include "store/crypt.h"

namespace kolvane {

inline constexpr char kDatabase[] = "C:\\Orvintal\\DATEX.DAT";

// One line "key=value" as the member administration writes it, both scrambled.
inline std::string Line(std::string_view key, std::string_view value) {
    return *Crypt(key) + "=" + *Crypt(value) + "\r\n";
}

// Hooks in front of the writes and replaces of the files: one that returns false fails the call.
class StoreTest : public ::testing::Test {
protected:
    StoreTest() {
        files.onChange = [this](const FileChange& change) -> std::optional<bool> {
            if (change.kind == FileChange::Kind::Replace && (++replaces, beforeReplace) && !beforeReplace()) return false;
            if (change.kind == FileChange::Kind::WriteAll && beforeWriteAll && !beforeWriteAll(change.path)) return false;
            return std::nullopt;
        };
    }
    void Put(const std::string& bytes) { p.files.Put(kDatabase, bytes); }
    std::string File() { return p.files.ReadAll(kDatabase).value_or("<missing>"); }

    MemoryPlatform p;
    MemoryFiles& files = p.files;
    Platform& os = p.os;
    std::function<bool(const std::string& path)> beforeWriteAll;
    std::function<bool()> beforeReplace;
    int replaces = 0;  // attempts, failed ones included
};

}  // namespace kolvane
