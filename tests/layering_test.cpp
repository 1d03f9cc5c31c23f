// The folders of src/ stand by height, and a file includes only from its own folder and from folders below
// it: then no include between folders closes a cycle, and a new file's folder follows from what it uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

struct Folder {
    const char* name;
    std::vector<std::string> uses;  // the folders below it that its files may include from
};

// Below: the platform, the member store, the pack archive, the settings store, the hub's shared context.
// In the middle: the parts the user meets; one that opens another's window includes only that window's entry.
// On top: what ties them together.
const Folder kFolders[] = {
    {"platform", {}},
    {"store", {"platform"}},
    {"pack", {"platform"}},
    {"settings", {"platform"}},
    {"hub", {"platform", "store", "settings"}},
    {"tasks", {"platform", "store", "settings", "hub"}},
    {"password", {"platform", "store", "settings", "hub"}},
    {"members", {"platform", "store", "settings", "hub"}},
    {"search", {"platform", "store", "settings", "hub"}},
    {"options", {"platform", "store", "settings", "hub", "password", "members"}},
    {"launcher", {"platform", "store", "settings", "hub", "tasks", "password", "members", "search", "options"}},
    {"app", {"platform", "store", "settings", "hub", "tasks", "password", "members", "search", "options", "launcher"}},
};

const Folder* FolderNamed(const std::string& name) {
    for (const Folder& folder : kFolders)
        if (name == folder.name) return &folder;
    return nullptr;
}

TEST(LayeringTest, IncludesGoOnlyDownward) {
    const std::regex include(R"(^\s*#\s*include\s+"([a-z_0-9]+)/)");
    std::vector<std::string> wrong;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(KOLVANE_SOURCE_DIR "/src")) {
        if (!entry.is_regular_file()) continue;
        const std::string ext = entry.path().extension().string();
        if (ext != ".h" && ext != ".cpp" && ext != ".rc") continue;
        const std::string from = entry.path().parent_path().filename().string();
        const Folder* folder = FolderNamed(from);
        if (!folder) {
            wrong.push_back(entry.path().string() + ": a folder without a height");
            continue;
        }
        std::ifstream file(entry.path());
        std::string line;
        std::smatch match;
        while (std::getline(file, line)) {
            if (!std::regex_search(line, match, include)) continue;
            const std::string to = match[1];
            if (to != from && std::ranges::find(folder->uses, to) == folder->uses.end())
                wrong.push_back(entry.path().string() + ": " + line);
        }
    }
    std::ranges::sort(wrong);
    std::string report;
    for (const std::string& line : wrong) report += line + "\n";
    EXPECT_TRUE(wrong.empty()) << report;
}

}  // namespace
