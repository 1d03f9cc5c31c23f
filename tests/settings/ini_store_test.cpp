#include "settings/ini_store.h"

#include <gtest/gtest.h>

namespace kolvane {
namespace {

// Hands back whatever text it is given, so the store's own limit is what the test sees.
class CannedIni : public IniFiles {
public:
    std::string text, written;
    std::string Read(const std::string&, const std::string&, const std::string&) override { return text; }
    bool Write(const std::string& path, const std::string& section, const std::string& key,
               const std::string& value) override {
        written = path + "|" + section + "|" + key + "|" + value;
        return value == "1";
    }
    bool DeleteKey(const std::string&, const std::string&, const std::string&) override { return false; }
    bool DeleteSection(const std::string&, const std::string&) override { return false; }
};

TEST(IniStore, ReadsAtMost254CharactersAndWritesThrough) {
    CannedIni ini;
    for (const std::size_t length : {0, 254, 255, 300}) {
        ini.text = std::string(length, 'x');
        EXPECT_EQ(IniReadString(ini, "C:\\Orvintal\\Tips.dat", "Ex", "Show"), std::string(std::min(length, std::size_t{254}), 'x'));
    }
    EXPECT_TRUE(IniWriteString(ini, "C:\\Daten\\DATASAFE.INI", "AUTOFILE", "B1", "1"));
    EXPECT_EQ(ini.written, "C:\\Daten\\DATASAFE.INI|AUTOFILE|B1|1");
    EXPECT_FALSE(IniWriteString(ini, "C:\\Daten\\DATASAFE.INI", "AUTOFILE", "B2", "0"));
}

}  // namespace
}  // namespace kolvane
