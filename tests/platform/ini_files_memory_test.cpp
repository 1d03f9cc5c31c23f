#include "platform/ini_files_memory.h"

#include <gtest/gtest.h>

#include "platform/platform_memory.h"

namespace kolvane {
namespace {

// The twin of the profile functions: each call edits the file as it is through the codec, and what the
// functions cannot do fails without creating or replacing anything.
TEST(MemoryIniFiles, EachCallEditsTheFileAsItIs) {
    MemoryPlatform p;
    const std::string file = "C:\\Daten\\X.INI";
    p.files.Put(file, "[a]\r\nk=1\r\nj=2\r\n[b]\r\nx=3\r\n");
    EXPECT_TRUE(p.ini.Write(file, "a", "K", "1")) << "unchanged";
    EXPECT_FALSE(p.ini.Write(file, "a", "k", "x\r\n[y]"));
    EXPECT_TRUE(p.ini.DeleteKey(file, "a", "j"));
    EXPECT_TRUE(p.ini.DeleteSection(file, "b"));
    EXPECT_EQ(p.files.ReadAll(file), "[a]\r\nk=1\r\n");
    EXPECT_EQ(p.files.List("C:\\Daten", "*"), std::vector<std::string>{"X.INI"}) << "no temporary file";
    EXPECT_FALSE(p.ini.Write("C:\\Fehlt\\X.INI", "s", "k", "v")) << "no folder is created";
    p.files.CreateFolder("C:\\Daten\\ORDNER.INI");
    EXPECT_FALSE(p.ini.Write("C:\\Daten\\ORDNER.INI", "s", "k", "v"));
    EXPECT_TRUE(p.files.IsFolder("C:\\Daten\\ORDNER.INI"));
}

}  // namespace
}  // namespace kolvane
