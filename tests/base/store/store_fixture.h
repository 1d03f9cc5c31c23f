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

// The platform's files with hooks in front of the writing operations; a hook that returns false fails
// the call.
class HookedFiles : public MemoryFiles {
public:
    using MemoryFiles::MemoryFiles;
    std::function<bool(const std::string& path)> beforeWriteAll;
    std::function<bool()> beforeReplace;
    int replaces = 0;  // attempts, failed ones included
    bool WriteAll(const std::string& path, const std::string& bytes) override {
        return (!beforeWriteAll || beforeWriteAll(path)) && MemoryFiles::WriteAll(path, bytes);
    }
    bool Replace(const std::string& from, const std::string& to) override {
        ++replaces;
        return (!beforeReplace || beforeReplace()) && MemoryFiles::Replace(from, to);
    }
};

inline constexpr char kDatabase[] = "C:\\Orvintal\\DATEX.DAT";

// One line "key=value" as the member administration writes it, both scrambled.
inline std::string Line(std::string_view key, std::string_view value) {
    return *Crypt(key) + "=" + *Crypt(value) + "\r\n";
}

class StoreTest : public ::testing::Test {
protected:
    void Put(const std::string& bytes) { p.files.Put(kDatabase, bytes); }
    std::string File() { return p.files.ReadAll(kDatabase).value_or("<missing>"); }

    MemoryPlatform p;
    HookedFiles files{p.root};
    Platform os{p.registry, p.ini, p.windows, p.tray, p.shell, p.kernel, files, p.clock, p.dialogs, p.md5,
                p.network, p.locks};
};

}  // namespace kolvane
