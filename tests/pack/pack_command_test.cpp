#include "pack/pack_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

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
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(PackCommandTest, CreatesListsAndExtracts) {
    files.Put("C:\\in\\A.TXT", "Hallo");
    files.Put("C:\\in\\Größe.DAT", "1234567");
    ASSERT_EQ(Run({"create", "C:\\P.PAK", "C:\\in\\A.TXT", "C:\\in\\Größe.DAT"}), 0) << err.str();
    EXPECT_EQ(out.str(), "A.TXT\t42 %\nGröße.DAT\t100 %\nP.PAK\t100 %\n");
    EXPECT_EQ(err.str(), "");

    ASSERT_EQ(Run({"list", "C:\\P.PAK"}), 0);
    EXPECT_EQ(out.str(), "A.TXT\t5\nGröße.DAT\t7\n");

    MakeFolder("C:\\out");
    ASSERT_EQ(Run({"extract", "C:\\P.PAK", "C:\\out", "grÖße.dat"}), 0) << err.str();
    EXPECT_EQ(Content("C:\\out\\Größe.DAT"), "1234567");
    EXPECT_FALSE(files.Exists("C:\\out\\A.TXT"));

    ASSERT_EQ(Run({"extract", "C:\\P.PAK", "C:\\out"}), 0) << err.str();
    EXPECT_EQ(Content("C:\\out\\A.TXT"), "Hallo");
    EXPECT_EQ(out.str(), "A.TXT\t42 %\nGröße.DAT\t100 %\n");
}

TEST_F(PackCommandTest, FailsWithAGermanMessage) {
    files.Put("C:\\in\\A.TXT", "Hallo");
    files.Put("C:\\in\\LEER.TXT", "");
    files.Put("C:\\KEIN.PAK", "kein Pack");
    files.Put("C:\\P.PAK", std::string("Hallo") + "A.TXT\t0\t5\r\n0029\t*CompactFile*");
    files.Put("C:\\BOESE.PAK", std::string("Hallo") + "..\\A.TXT\t0\t5\r\n0032\t*CompactFile*");
    MakeFolder("C:\\out");
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{}, "Aufruf:\n"},
        {{"pack", "C:\\P.PAK"}, "Aufruf:\n"},
        {{"create", "C:\\Q.PAK"}, "Aufruf:\n"},
        {{"list"}, "Aufruf:\n"},
        {{"list", "C:\\P.PAK", "zuviel"}, "Aufruf:\n"},
        {{"extract", "C:\\P.PAK", "C:\\out", "A.TXT", "zuviel"}, "Aufruf:\n"},
        {{"create", "C:\\Q.PAK", "C:\\in\\LEER.TXT"},
         "Die Datei \"C:\\in\\LEER.TXT\" kann nicht gepackt werden: Sie fehlt, ist leer oder ein Ordner, "
         "oder ihr Name ist unzulässig oder kommt doppelt vor.\n"},
        {{"create", "C:\\in\\A.TXT", "C:\\in\\A.TXT"},
         "Die Packdatei \"C:\\in\\A.TXT\" wurde nicht geschrieben: Eine Datei hat sich inzwischen verändert "
         "oder ist die Packdatei selbst, das Verzeichnis ist zu groß, oder das Schreiben ist "
         "fehlgeschlagen.\n"},
        {{"list", "C:\\FEHLT.PAK"}, "Die Packdatei \"C:\\FEHLT.PAK\" wurde nicht gefunden.\n"},
        {{"list", "C:\\KEIN.PAK"},
         "Die Datei \"C:\\KEIN.PAK\" ist keine Packdatei oder sie ist beschädigt.\n"},
        {{"extract", "C:\\P.PAK", "C:\\fehlt"}, "Der Zielordner \"C:\\fehlt\" wurde nicht gefunden.\n"},
        {{"extract", "C:\\P.PAK", "C:\\out", "B.TXT"},
         "Die Packdatei \"C:\\P.PAK\" enthält keine Datei \"B.TXT\".\n"},
        {{"extract", "C:\\BOESE.PAK", "C:\\out"},
         "Die Packdatei \"C:\\BOESE.PAK\" wurde nicht ausgepackt: Sie enthält unzulässige oder doppelte "
         "Dateinamen, oder das Schreiben in den Ordner \"C:\\out\" ist fehlgeschlagen.\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        EXPECT_EQ(Run(c.args), 1);
        EXPECT_EQ(err.str().substr(0, c.message.size()), c.message);
    }
    EXPECT_FALSE(files.Exists("C:\\Q.PAK"));
    EXPECT_FALSE(files.Exists("C:\\A.TXT"));
    EXPECT_EQ(Content("C:\\in\\A.TXT"), "Hallo");
}

}  // namespace
}  // namespace kolvane
