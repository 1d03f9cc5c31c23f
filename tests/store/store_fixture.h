#pragma once
// The member store on the in-memory platform: real files in a temporary folder, a fake clock, recorded
// message boxes, locks within the test, and files that a test can make fail the way a peer program or
// a full disk makes them fail on Windows.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>

#include "platform/file_lock_memory.h"
#include "platform/platform_memory.h"
#include "store/crypt.h"

namespace kolvane {

// MemoryFiles with hooks in front of the writing operations; a hook that returns false fails the call.
class HookedFiles : public Files {
public:
    explicit HookedFiles(MemoryFiles& inner) : inner_(inner) {}

    std::function<bool(const std::string& path)> beforeWriteAll;
    std::function<bool(const std::string& from, const std::string& to)> beforeReplace;
    int replaces = 0;  // attempts, failed ones included

    bool Exists(const std::string& path) override { return inner_.Exists(path); }
    bool IsFolder(const std::string& path) override { return inner_.IsFolder(path); }
    std::vector<std::string> List(const std::string& folder, const std::string& pattern) override {
        return inner_.List(folder, pattern);
    }
    std::optional<std::uint64_t> Size(const std::string& path) override { return inner_.Size(path); }
    std::optional<FileTime> ModifiedTime(const std::string& path) override { return inner_.ModifiedTime(path); }
    std::unique_ptr<FileReader> OpenRead(const std::string& path) override { return inner_.OpenRead(path); }
    std::optional<std::string> ReadAll(const std::string& path) override { return inner_.ReadAll(path); }
    bool WriteAll(const std::string& path, const std::string& bytes) override {
        if (beforeWriteAll && !beforeWriteAll(path)) return false;
        return inner_.WriteAll(path, bytes);
    }
    bool Copy(const std::string& from, const std::string& to) override { return inner_.Copy(from, to); }
    bool Replace(const std::string& from, const std::string& to) override {
        ++replaces;
        if (beforeReplace && !beforeReplace(from, to)) return false;
        return inner_.Replace(from, to);
    }
    bool Delete(const std::string& path) override { return inner_.Delete(path); }
    bool CreateFolder(const std::string& path) override { return inner_.CreateFolder(path); }

private:
    MemoryFiles& inner_;
};

inline constexpr char kDatabase[] = "C:\\Orvintal\\DATEX.DAT";
inline constexpr char kFolder[] = "C:\\Orvintal";

// Texts as code-page-1252 byte values, so that the expectations do not depend on how a literal is encoded.
inline std::string Bytes(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s.push_back(static_cast<char>(c));
    return s;
}

// One line "key=value" as the member administration writes it, both scrambled.
inline std::string Line(std::string_view key, std::string_view value) {
    return *Crypt(key) + "=" + *Crypt(value) + "\r\n";
}

class StoreTest : public ::testing::Test {
protected:
    void Put(const std::string& bytes, const std::string& path = kDatabase) { p.files.Put(path, bytes); }
    std::string File(const std::string& path = kDatabase) { return p.files.ReadAll(path).value_or("<missing>"); }
    // Every file of the database folder: a save must leave no temporary or lock file behind.
    std::vector<std::string> FolderFiles() { return p.files.List(kFolder, "*"); }

    MemoryPlatform p;
    HookedFiles files{p.files};
    MemoryFileLocks locks;
    Platform os{p.registry, p.ini, p.windows, p.tray, p.shell, p.kernel, files, p.clock, p.dialogs, p.md5,
                p.network, locks};
};

}  // namespace kolvane
