#include "pack/pack_command.h"

#include <sstream>

#include "pack/pack_fixture.h"

namespace kolvane {
namespace {

TEST_F(PackFixture, PackToolCreatesListsExtractsAndRefusesWithAGermanMessage) {
    std::ostringstream out, err;
    auto run = [&](const std::vector<std::string>& args) { return out.str(""), err.str(""), RunPackCommand(args, files, out, err); };
    const std::string size = "Gr\xF6\xDF" "e.DAT";
    for (const auto& [path, bytes] : {std::pair<std::string, std::string>{"C:\\in\\A.TXT", "Hallo"}, {"C:\\in\\" + size, "1234567"},
                                      {"C:\\KEIN.PAK", "x"}, {"C:\\LEER.PAK", "0018\t*CompactFile*"}, {"C:\\E.PAK", "E.TXT\t0\t0\r\n0029\t*CompactFile*"},
                                      {"C:\\ZWEI.PAK", "HalloA\t0\t2\r\na\t2\t3\r\n0032\t*CompactFile*"},
                                      {"C:\\BOESE.PAK", "Hallo..\\A.TXT\t0\t5\r\n0032\t*CompactFile*"}})
        files.Put(path, bytes);
    files.CreateFolder("C:\\out");
    ASSERT_EQ(run({"create", "C:\\P.PAK", "C:\\in\\A.TXT", "C:\\in\\" + size}), 0) << err.str();
    EXPECT_EQ(out.str(), "A.TXT\t42 %\n" + size + "\t100 %\nP.PAK\t100 %\n");
    ASSERT_EQ(run({"list", "C:\\P.PAK"}), 0);
    EXPECT_EQ(out.str(), "A.TXT\t5\n" + size + "\t7\n");
    const std::pair<std::vector<std::string>, std::string> refusals[] = {
        {{}, "Aufruf:\n"},
        {{"create", "C:\\in\\A.TXT", "C:\\in\\A.TXT"}, "Die Packdatei \"C:\\in\\A.TXT\" wurde nicht geschrieben"},
        {{"create", "C:\\Q.PAK", "C:\\in\\FEHLT"}, "Die Datei \"C:\\in\\FEHLT\" kann nicht gepackt werden"},
        {{"list", "C:\\FEHLT.PAK"}, "Die Packdatei \"C:\\FEHLT.PAK\" wurde nicht gefunden.\n"},
        {{"list", "C:\\KEIN.PAK"}, "Die Datei \"C:\\KEIN.PAK\" ist keine Packdatei oder sie ist besch\xE4" "digt.\n"},
        {{"extract", "C:\\P.PAK", "C:\\fehlt"}, "Der Zielordner \"C:\\fehlt\" wurde nicht gefunden.\n"},
        {{"extract", "C:\\P.PAK", "C:\\out", "B.TXT"}, "Die Packdatei \"C:\\P.PAK\" enth\xE4lt keine Datei \"B.TXT\".\n"},
        {{"extract", "C:\\BOESE.PAK", "C:\\out"}, "Die Packdatei \"C:\\BOESE.PAK\" wurde nicht ausgepackt"},  // a parent step
        {{"extract", "C:\\ZWEI.PAK", "C:\\out"}, "Die Packdatei \"C:\\ZWEI.PAK\" wurde nicht ausgepackt"},  // one name twice
    };
    const std::vector<std::string> before = Tree();
    for (const auto& [args, message] : refusals) {
        EXPECT_EQ(run(args), 1) << testing::PrintToString(args);
        EXPECT_EQ(err.str().substr(0, message.size()), message);
    }
    EXPECT_EQ(Tree(), before) << "no pack, member or temporary file was written";
    ASSERT_EQ(run({"extract", "C:\\P.PAK", "C:\\out", "gr\xD6\xDF" "e.dat"}), 0) << err.str();
    EXPECT_EQ(files.ReadAll("C:\\out\\" + size), "1234567");
    EXPECT_FALSE(files.Exists("C:\\out\\A.TXT"));
    ASSERT_EQ(run({"extract", "C:\\P.PAK", "C:\\out"}), 0) << err.str();
    EXPECT_EQ(files.ReadAll("C:\\out\\A.TXT"), "Hallo");
    EXPECT_EQ(out.str() + err.str(), "A.TXT\t42 %\n" + size + "\t100 %\n");
    ASSERT_EQ(run({"extract", "C:\\E.PAK", "C:\\out"}), 0) << "a member of no bytes is complete at once";
    EXPECT_EQ(out.str(), "E.TXT\t100 %\n");
    EXPECT_EQ(run({"extract", "C:\\LEER.PAK", "C:\\out"}), 0) << "a pack without members extracts as read";
}

}  // namespace
}  // namespace kolvane
