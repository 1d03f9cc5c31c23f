// The folders of src/ stand by height, and a file includes only from its own folder and from folders below
// it: then no include between folders closes a cycle, and a new file's folder follows from what it uses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <string>

namespace {

// Each folder with the folders below it that its files may include from. Below: the platform, the member store,
// the pack archive, the settings store, the hub's shared context. In the middle: the parts the user meets (one
// that opens another's window includes only that window's entry header). On top: what ties them together.
const std::map<std::string, std::string> kUses = {
    {"platform", ""},
    {"store", " platform "},
    {"pack", " platform "},
    {"settings", " platform "},
    {"hub", " platform store settings "},
    {"tasks", " platform store settings hub "},
    {"password", " platform store settings hub "},
    {"members", " platform store settings hub "},
    {"search", " platform store settings hub "},
    {"options", " platform store settings hub password members "},
    {"launcher", " platform store settings hub tasks password members search options "},
    {"app", " platform store settings hub tasks password members search options launcher "},
};

TEST(LayeringTest, IncludesGoOnlyDownward) {
    const std::regex include(R"(^\s*#\s*include\s+"([a-z_0-9]+)/)");
    std::string wrong;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(KOLVANE_SOURCE_DIR "/src")) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp" && ext != ".rc")) continue;
        const std::string from = entry.path().parent_path().filename().string();
        const auto uses = kUses.find(from);
        if (uses == kUses.end()) wrong += entry.path().string() + ": a folder without a height\n";
        std::ifstream file(entry.path());
        std::smatch match;
        for (std::string line; uses != kUses.end() && std::getline(file, line);)
            if (std::regex_search(line, match, include) && match[1] != from &&
                uses->second.find(" " + match[1].str() + " ") == std::string::npos)
                wrong += entry.path().string() + ": " + line + "\n";
    }
    EXPECT_EQ(wrong, "");
}

}  // namespace
