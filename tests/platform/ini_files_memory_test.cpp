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
    p.files.CreateFolder("C:\\Daten\\ORDNER.INI");
    // An unchanged value, a refused one, two deletes, a missing folder (not created) and a folder in the way.
    EXPECT_EQ((std::vector<bool>{p.ini.Write(file, "a", "K", "1"), p.ini.Write(file, "a", "k", "x\r\n[y]"), p.ini.DeleteKey(file, "a", "j"),
                                 p.ini.DeleteSection(file, "b"), p.ini.Write("C:\\Fehlt\\X.INI", "s", "k", "v"),
                                 p.ini.Write("C:\\Daten\\ORDNER.INI", "s", "k", "v")}),
              (std::vector<bool>{true, false, true, true, false, false}));
    EXPECT_EQ(p.files.ReadAll(file), "[a]\r\nk=1\r\n");
    EXPECT_EQ(p.files.List("C:\\Daten", "*"), std::vector<std::string>{"X.INI"}) << "no temporary file";
    EXPECT_TRUE(p.files.IsFolder("C:\\Daten\\ORDNER.INI") && !p.files.Exists("C:\\Fehlt"));
}

}  // namespace
}  // namespace kolvane
