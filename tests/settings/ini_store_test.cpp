#include "settings/ini_store.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace kolvane {
namespace {

// Hands back whatever text it is given, so the store's own limit is what the test sees.
class CannedIni : public IniFiles {
public:
    std::string text;
    std::string written;
    bool writeResult = true;
    std::string Read(const std::string&, const std::string&, const std::string&) override { return text; }
    bool Write(const std::string& path, const std::string& section, const std::string& key,
               const std::string& value) override {
        written = path + "|" + section + "|" + key + "|" + value;
        return writeResult;
    }
    bool DeleteKey(const std::string&, const std::string&, const std::string&) override { return false; }
    bool DeleteSection(const std::string&, const std::string&) override { return false; }
};

TEST(IniStore, ReadsAtMost254Characters) {
    CannedIni ini;
    for (const std::size_t length : {0, 1, 253, 254, 255, 300}) {
        SCOPED_TRACE(length);
        ini.text = std::string(length, 'x');
        const std::string expected(std::min<std::size_t>(length, 254), 'x');
        EXPECT_EQ(IniReadString(ini, "C:\\Orvintal\\Tips.dat", "Ex", "Show"), expected);
    }
}

TEST(IniStore, WritePassesThroughAndReportsTheResult) {
    CannedIni ini;
    EXPECT_TRUE(IniWriteString(ini, "C:\\Daten\\DATASAFE.INI", "AUTOFILE", "B1", "1"));
    EXPECT_EQ(ini.written, "C:\\Daten\\DATASAFE.INI|AUTOFILE|B1|1");
    ini.writeResult = false;
    EXPECT_FALSE(IniWriteString(ini, "C:\\Daten\\DATASAFE.INI", "AUTOFILE", "B2", "0"));
}

}  // namespace
}  // namespace kolvane
