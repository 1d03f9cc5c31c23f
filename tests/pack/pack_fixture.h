#pragma once
// Pack tests run on real files in a throw-away folder, addressed by Windows paths.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/files_memory.h"

namespace kolvane {

// One member A.TXT of five bytes: 5 data bytes, the 11-byte line, "0029" (11 + 18), a tab, the magic.
inline const std::string kSmallestPack = std::string("Hallo") + "A.TXT\t0\t5\r\n" + "0029\t*CompactFile*";

class PackFixture : public testing::Test {
protected:
    PackFixture() : root_(NewRoot()), files(root_) {}
    ~PackFixture() override { Clear(); }

    void Clear() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    void MakeFolder(const std::string& path) { std::filesystem::create_directories(files.HostPath(path)); }
    std::string Content(const std::string& path) { return files.ReadAll(path).value_or("<missing>"); }
    // Everything below root, files with their content, to show what was written and that nothing else was.
    std::vector<std::string> Tree() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_)) {
            std::string name = std::filesystem::relative(entry.path(), root_).generic_string();
            if (entry.is_regular_file()) {
                std::ifstream in(entry.path(), std::ios::binary);
                name += "=" + std::string(std::istreambuf_iterator<char>(in), {});
            }
            names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    static std::filesystem::path NewRoot() {
        std::random_device random;
        return std::filesystem::temp_directory_path() / ("kolvane-pack-" + std::to_string(random()));
    }

    std::filesystem::path root_;

protected:
    MemoryFiles files;
};

}  // namespace kolvane
