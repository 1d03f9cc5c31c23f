#include "pack/pack_command.h"

#include <sstream>

#include "pack/pack_fixture.h"

namespace kolvane {
namespace {

class PackCommandTest : public PackFixture {
protected:
    int Run(const std::vector<std::string>& args) {
        out.str("");
        err.str("");
        return RunPackCommand(args, files, out, err);
    }
    std::ostringstream out, err;
};

TEST_F(PackCommandTest, CreatesListsAndExtracts) {
    files.Put("C:\\in\\A.TXT", "Hallo");
    files.Put("C:\\in\\Gr\xF6\xDF" "e.DAT", "1234567");
    ASSERT_EQ(Run({"create", "C:\\P.PAK", "C:\\in\\A.TXT", "C:\\in\\Gr\xF6\xDF" "e.DAT"}), 0) << err.str();
    EXPECT_EQ(out.str(), "A.TXT\t42 %\nGr\xF6\xDF" "e.DAT\t100 %\nP.PAK\t100 %\n");
    ASSERT_EQ(Run({"list", "C:\\P.PAK"}), 0);
    EXPECT_EQ(out.str(), "A.TXT\t5\nGr\xF6\xDF" "e.DAT\t7\n");
    files.CreateFolder("C:\\out");
    ASSERT_EQ(Run({"extract", "C:\\P.PAK", "C:\\out", "gr\xD6\xDF" "e.dat"}), 0) << err.str();
    EXPECT_EQ(files.ReadAll("C:\\out\\Gr\xF6\xDF" "e.DAT"), "1234567");
    EXPECT_FALSE(files.Exists("C:\\out\\A.TXT"));
    ASSERT_EQ(Run({"extract", "C:\\P.PAK", "C:\\out"}), 0) << err.str();
    EXPECT_EQ(files.ReadAll("C:\\out\\A.TXT"), "Hallo");
    EXPECT_EQ(out.str() + err.str(), "A.TXT\t42 %\nGr\xF6\xDF" "e.DAT\t100 %\n");
}

TEST_F(PackCommandTest, FailsWithAGermanMessageAndWritesNothing) {
    files.Put("C:\\in\\A.TXT", "Hallo");
    files.Put("C:\\in\\LEER.TXT", "");
    files.Put("C:\\KEIN.PAK", "kein Pack");
    files.Put("C:\\P.PAK", kSmallestPack);
    files.Put("C:\\BOESE.PAK", "Hallo..\\A.TXT\t0\t5\r\n0032\t*CompactFile*");
    files.CreateFolder("C:\\out");
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{}, "Aufruf:\n"},
        {{"pack", "C:\\P.PAK"}, "Aufruf:\n"},
        {{"create", "C:\\Q.PAK"}, "Aufruf:\n"},
        {{"list", "C:\\P.PAK", "zuviel"}, "Aufruf:\n"},
        {{"extract", "C:\\P.PAK", "C:\\out", "A.TXT", "zuviel"}, "Aufruf:\n"},
        {{"create", "C:\\Q.PAK", "C:\\in\\LEER.TXT"}, "Die Datei \"C:\\in\\LEER.TXT\" kann nicht gepackt werden"},
        {{"create", "C:\\in\\A.TXT", "C:\\in\\A.TXT"}, "Die Packdatei \"C:\\in\\A.TXT\" wurde nicht geschrieben"},
        {{"list", "C:\\FEHLT.PAK"}, "Die Packdatei \"C:\\FEHLT.PAK\" wurde nicht gefunden.\n"},
        {{"list", "C:\\KEIN.PAK"}, "Die Datei \"C:\\KEIN.PAK\" ist keine Packdatei oder sie ist besch\xE4" "digt.\n"},
        {{"extract", "C:\\P.PAK", "C:\\fehlt"}, "Der Zielordner \"C:\\fehlt\" wurde nicht gefunden.\n"},
        {{"extract", "C:\\P.PAK", "C:\\out", "B.TXT"}, "Die Packdatei \"C:\\P.PAK\" enth\xE4lt keine Datei \"B.TXT\".\n"},
        {{"extract", "C:\\BOESE.PAK", "C:\\out"}, "Die Packdatei \"C:\\BOESE.PAK\" wurde nicht ausgepackt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        EXPECT_EQ(Run(c.args), 1);
        EXPECT_EQ(err.str().substr(0, c.message.size()), c.message);
    }
    EXPECT_EQ(Tree().size(), 8u) << "no pack, member or temporary file was written";
}

}  // namespace
}  // namespace kolvane
