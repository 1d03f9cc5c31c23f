#include "settings/ini_store.h"

#include <gtest/gtest.h>

#include "platform/platform_memory.h"

namespace kolvane {
namespace {

TEST(IniStore, ReadsAtMost254CharactersAndReportsTheWrite) {
    MemoryPlatform p;
    p.files.Put("C:\\Daten\\DATASAFE.INI", "[AUTOFILE]\r\nB1=" + std::string(300, 'x'));
    EXPECT_EQ(IniReadString(p.ini, "C:\\Daten\\DATASAFE.INI", "autofile", "b1"), std::string(254, 'x'));
    EXPECT_TRUE(IniWriteString(p.ini, "C:\\Daten\\DATASAFE.INI", "AUTOFILE", "B1", "0"));
    EXPECT_FALSE(IniWriteString(p.ini, "C:\\Fehlt\\DATASAFE.INI", "AUTOFILE", "B1", "1"));
}

}  // namespace
}  // namespace kolvane
