#include "platform/ini_files_memory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>

namespace kolvane {
namespace {

namespace fs = std::filesystem;

class IniFilesMemoryTest : public ::testing::Test {
protected:
    IniFilesMemoryTest()
        : root_(fs::temp_directory_path() / ("kolvane-ini-" + std::to_string(std::random_device{}()))),
          ini_([this](const std::string& path) { return HostPath(path); }) {
        fs::create_directories(root_ / "Daten");
    }
    ~IniFilesMemoryTest() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    // "C:\Daten\X.DAT" -> <root>/Daten/X.DAT
    std::string HostPath(std::string path) const {
        path.erase(0, 3);
        for (char& c : path) c = c == '\\' ? '/' : c;
        return (root_ / path).string();
    }
    void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(HostPath(path), std::ios::binary) << bytes;
    }
    std::optional<std::string> Get(const std::string& path) {
        std::ifstream in(HostPath(path), std::ios::binary);
        if (!in) return std::nullopt;
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    std::size_t FilesIn(const std::string& folder) {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(root_ / folder), {}));
    }

    fs::path root_;
    MemoryIniFiles ini_;
};

constexpr const char* kFile = "C:\\Daten\\DATEX.DAT";

TEST_F(IniFilesMemoryTest, MissingFileReadsEmptyAndDeletesCreateNothing) {
    EXPECT_EQ(ini_.Read(kFile, "000", "A1"), "");
    EXPECT_TRUE(ini_.DeleteKey(kFile, "000", "A1"));
    EXPECT_TRUE(ini_.DeleteSection(kFile, "000"));
    EXPECT_FALSE(Get(kFile).has_value());
}

TEST_F(IniFilesMemoryTest, WritesGoThroughTheCodecAndLeaveNoTemporaryFile) {
    struct Step {
        const char* name;
        const char* section;
        const char* key;
        std::optional<std::string> value;  // none: delete the key; no key: delete the section
        bool result;
        std::string file;
    };
    const Step steps[] = {
        {"create", "000", "A1", "001", true, "[000]\r\nA1=001\r\n"},
        {"append key", "000", "A2", "999", true, "[000]\r\nA1=001\r\nA2=999\r\n"},
        {"new section", "042", "NAME", "Müller", true, "[000]\r\nA1=001\r\nA2=999\r\n[042]\r\nNAME=Müller\r\n"},
        {"replace value", "000", "a1", "002", true, "[000]\r\nA1=002\r\nA2=999\r\n[042]\r\nNAME=Müller\r\n"},
        {"refused value", "000", "A1", "x\r\n[y]", false, "[000]\r\nA1=002\r\nA2=999\r\n[042]\r\nNAME=Müller\r\n"},
        {"delete key", "000", "A2", std::nullopt, true, "[000]\r\nA1=002\r\n[042]\r\nNAME=Müller\r\n"},
        {"delete section", "000", nullptr, std::nullopt, true, "[042]\r\nNAME=Müller\r\n"},
        {"refused section", "", nullptr, std::nullopt, false, "[042]\r\nNAME=Müller\r\n"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        bool result = false;
        if (step.key == nullptr) {
            result = ini_.DeleteSection(kFile, step.section);
        } else if (!step.value) {
            result = ini_.DeleteKey(kFile, step.section, step.key);
        } else {
            result = ini_.Write(kFile, step.section, step.key, *step.value);
        }
        EXPECT_EQ(result, step.result);
        EXPECT_EQ(Get(kFile), step.file);
        EXPECT_EQ(FilesIn("Daten"), 1u);
    }
    EXPECT_EQ(ini_.Read(kFile, "042", "name"), "Müller");
}

TEST_F(IniFilesMemoryTest, UnchangedWriteLeavesTheFileAlone) {
    const std::string loose = "  [s]\n k =  v  \n\n";
    Put(kFile, loose);
    const fs::file_time_type before = fs::last_write_time(HostPath(kFile));
    fs::last_write_time(HostPath(kFile), before - std::chrono::hours(1));
    EXPECT_TRUE(ini_.Write(kFile, "s", "k", "v"));
    EXPECT_EQ(Get(kFile), loose);
    EXPECT_EQ(fs::last_write_time(HostPath(kFile)), before - std::chrono::hours(1));
}

TEST_F(IniFilesMemoryTest, UnusablePathsFailWithoutDamage) {
    // A missing folder: the profile functions do not create folders either.
    EXPECT_FALSE(ini_.Write("C:\\Fehlt\\X.INI", "s", "k", "v"));
    EXPECT_FALSE(fs::exists(root_ / "Fehlt"));
    // A folder where the file should be: nothing to read, nothing replaced.
    fs::create_directories(root_ / "Daten" / "ORDNER.INI");
    EXPECT_EQ(ini_.Read("C:\\Daten\\ORDNER.INI", "s", "k"), "");
    EXPECT_FALSE(ini_.Write("C:\\Daten\\ORDNER.INI", "s", "k", "v"));
    EXPECT_TRUE(fs::is_directory(root_ / "Daten" / "ORDNER.INI"));
}

}  // namespace
}  // namespace kolvane
