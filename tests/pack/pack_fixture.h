#pragma once
// Pack tests run on real files in a throw-away folder, addressed by Windows paths.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "platform/files_memory.h"

namespace kolvane {

class PackFixture : public testing::Test {
protected:
    PackFixture() : root_(NewRoot()), files(root_) {}
    ~PackFixture() override {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }

    void MakeFolder(const std::string& path) { std::filesystem::create_directories(files.HostPath(path)); }
    std::string Content(const std::string& path) { return files.ReadAll(path).value_or("<missing>"); }
    // Names of everything below root, to show that nothing was written beside the target.
    std::vector<std::string> AllHostFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root_))
            names.push_back(std::filesystem::relative(entry.path(), root_).generic_string());
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
