#pragma once
// Pack tests run on real files in a throw-away folder, addressed by Windows paths.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform_memory.h"

namespace kolvane {

class PackFixture : public testing::Test {
protected:
    // Everything below the root, files with their content, to show what was written and that nothing else was.
    std::vector<std::string> Tree() {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(p.root)) {
            const std::string name = std::filesystem::relative(entry.path(), p.root).generic_string();
            names.push_back(entry.is_regular_file() ? name + "=" + *files.ReadAll(name) : name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    MemoryPlatform p;
    MemoryFiles& files = p.files;
};

}  // namespace kolvane
