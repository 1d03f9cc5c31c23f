#include "pack/multi_file.h"

#include "pack/pack_fixture.h"

namespace kolvane {
namespace {

using Strings = std::vector<std::string>;

// Each event as "kind name ByteToWrite ByteWritten PercentWritten".
class MultiFileTest : public PackFixture, public MultiFileEvents {
protected:
    void FileWritten(const std::string& name, std::uint64_t total, std::uint64_t done, int percent) override {
        events.push_back("FileWritten " + name + " " + std::to_string(total) + " " + std::to_string(done) + " " +
                         std::to_string(percent));
    }
    void FilesExtract(const std::string& name, std::uint64_t total, std::uint64_t done, int percent) override {
        events.push_back("FilesExtract " + name + " " + std::to_string(total) + " " + std::to_string(done) + " " +
                         std::to_string(percent));
    }
    Strings events;
    clsMultiFile multiFile{files, this};
};

// The old pack is replaced whole; a file that happens to carry the name of the temporary file stays, and
// so does a file of the target folder that no member replaces.
TEST_F(MultiFileTest, PacksAndExtractsWithEvents) {
    files.Put("C:\\in\\A.TXT", std::string(10, 'a'));
    files.Put("C:\\in\\B.TXT", "");
    files.Put("C:\\in\\Gr\xF6\xDF" "e.TXT", std::string(25, 'c'));
    files.Put("C:\\in\\NUL.TXT", "device name");
    files.Put("C:\\other\\a.txt", "second a");
    files.Put("C:\\P.PAK", "old pack");
    files.Put("C:\\P.PAK.~0.tmp", "somebody's file");
    files.Put("C:\\out\\a.txt", "replaced");
    files.Put("C:\\out\\keep", "kept");
    EXPECT_TRUE(multiFile.AddFile("C:\\in\\A.TXT"));
    // Missing, empty, a folder, a device name, the same name from another folder in other case.
    for (const char* path : {"C:\\in\\FEHLT", "C:\\in\\B.TXT", "C:\\in", "C:\\in\\NUL.TXT", "C:\\other\\a.txt", "C:\\in\\"})
        EXPECT_FALSE(multiFile.AddFile(path)) << path;
    EXPECT_TRUE(multiFile.AddFile("C:\\in\\Gr\xF6\xDF" "e.TXT"));
    ASSERT_TRUE(multiFile.CompactFiles("C:\\P.PAK"));
    ASSERT_TRUE(multiFile.ExtractFiles("C:\\P.PAK", "C:\\out\\", ""));
    // 10 of 35 bytes are 28.6 percent, rounded to 29.
    EXPECT_EQ(events, (Strings{"FileWritten A.TXT 35 10 29", "FileWritten Gr\xF6\xDF" "e.TXT 35 35 100",
                               "FileWritten P.PAK 35 35 100", "FilesExtract A.TXT 35 10 29",
                               "FilesExtract Gr\xF6\xDF" "e.TXT 35 35 100"}));
    const std::string pack = std::string(10, 'a') + std::string(25, 'c') + "A.TXT\t0\t10\r\nGr\xF6\xDF" "e.TXT\t10\t25\r\n0047\t*CompactFile*";
    EXPECT_EQ(files.ReadAll("C:\\P.PAK"), pack);
    EXPECT_EQ(files.ReadAll("C:\\P.PAK.~0.tmp"), "somebody's file");
    EXPECT_EQ(files.ReadAll("C:\\out\\A.TXT"), std::string(10, 'a'));
    EXPECT_EQ(files.ReadAll("C:\\out\\Gr\xF6\xDF" "e.TXT"), std::string(25, 'c'));
    EXPECT_EQ(files.ReadAll("C:\\out\\keep"), "kept");
    EXPECT_EQ(Tree().size(), 14u) << "no temporary file is left";
    EXPECT_EQ(multiFile.CompactFileInfo("C:\\P.PAK"), pack.substr(35));
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\P.PAK", "gr\xD6\xDF" "e.txt"), std::string(25, 'c'));
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\P.PAK", "GR\xD6SSE.TXT"), "");
    files.Put("C:\\KAPUTT.PAK", pack.substr(1));
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\KAPUTT.PAK", "A.TXT"), "");
}

// A refused pack leaves every file as it was: the old pack, the sources, no temporary file.
TEST_F(MultiFileTest, CompactFilesRefusesAndLeavesEverythingAsItWas) {
    const struct {
        const char* what;
        std::function<void()> change;
        const char* target = "C:\\in\\P.PAK";
    } cases[] = {
        {"source vanished", [&] { files.Delete("C:\\in\\B.TXT"); }},
        {"source grew", [&] { files.Put("C:\\in\\B.TXT", "bbbb"); }},
        {"source shrank", [&] { files.Put("C:\\in\\B.TXT", "b"); }},
        {"empty list", [&] { multiFile.Init(); }},
        {"target among the sources", [] {}, "c:/IN/a.txt"},
        {"target folder missing", [] {}, "C:\\fehlt\\P.PAK"},
        // 49 lines of 205 bytes and their offsets make a block of 10151 bytes, too long for the length field.
        {"directory of ten thousand bytes", [&] {
             for (int i = 0; i < 49; ++i) {
                 files.Put("C:\\in\\" + std::string(197, 'N') + std::to_string(100 + i), "x");
                 ASSERT_TRUE(multiFile.AddFile("C:\\in\\" + std::string(197, 'N') + std::to_string(100 + i)));
             }
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Clear();
        files.Put("C:\\in\\A.TXT", "aa");
        files.Put("C:\\in\\B.TXT", "bbb");
        files.Put("C:\\in\\P.PAK", "old pack");
        multiFile.Init();
        ASSERT_TRUE(multiFile.AddFile("C:\\in\\A.TXT"));
        ASSERT_TRUE(multiFile.AddFile("C:\\in\\B.TXT"));
        c.change();
        const Strings before = Tree();
        events.clear();
        EXPECT_FALSE(multiFile.CompactFiles(c.target));
        EXPECT_EQ(Tree(), before);
        for (const std::string& event : events) EXPECT_EQ(event.find(" P.PAK "), std::string::npos) << "no closing event";
    }
}

TEST_F(MultiFileTest, ExtractFilesWritesAllOrNothing) {
    const struct {
        std::optional<std::string> pack;  // none: no pack file
        const char* target;
        const char* only;
        bool extracted;
        bool memberIsAFolder;
        Strings written;  // what is there besides the pack and C:\out
        Strings events;
    } cases[] = {
        {kSmallestPack, "C:\\out", "a.txt", true, false, {"C/out/A.TXT=Hallo"}, {}},  // one member, without events
        {kSmallestPack, "C:\\out", "B.TXT", false, false, {}, {}},
        {"0018\t*CompactFile*", "C:\\out", "", true, false, {}, {}},
        {"0018\t*CompactFile*", "C:\\out", "A.TXT", false, false, {}, {}},
        {"E.TXT\t0\t0\r\n0029\t*CompactFile*", "C:\\out", "", true, false, {"C/out/E.TXT="}, {"FilesExtract E.TXT 0 0 100"}},
        {kSmallestPack, "C:\\fehlt", "", false, false, {}, {}},
        {kSmallestPack, "C:\\out", "", false, true, {"C/out/A.TXT"}, {}},  // a member that cannot be written
        {std::nullopt, "C:\\out", "", false, false, {}, {}},
        {"Hallo Welt, kein Pack", "C:\\out", "", false, false, {}, {}},
        {"Hallo..\\x.TXT\t0\t5\r\n0032\t*CompactFile*", "C:\\out", "", false, false, {}, {}},
        {"HalloNUL.txt\t0\t5\r\n0031\t*CompactFile*", "C:\\out", "", false, false, {}, {}},
        {"HalloA\t0\t2\r\na\t2\t3\r\n0032\t*CompactFile*", "C:\\out", "", false, false, {}, {}},  // one name twice
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.pack) + " " + c.only);
        Clear();
        if (c.pack) files.Put("C:\\P.PAK", *c.pack);
        files.CreateFolder("C:\\out");
        if (c.memberIsAFolder) files.CreateFolder("C:\\out\\A.TXT");
        events.clear();
        EXPECT_EQ(multiFile.ExtractFiles("C:\\P.PAK", c.target, c.only), c.extracted);
        Strings tree = Tree();
        std::erase_if(tree, [](const std::string& n) { return n == "C" || n == "C/out" || n.starts_with("C/P.PAK="); });
        EXPECT_EQ(tree, c.written);
        EXPECT_EQ(events, c.events);
    }
}

TEST_F(MultiFileTest, RecognisesPacksByTheirLastBytes) {
    files.CreateFolder("C:\\ordner");
    const struct {
        const char* path;
        std::string bytes;
        bool isPack;
        std::string info;
    } cases[] = {
        {"C:\\kurz", "018\t*CompactFile*", false, ""},
        {"C:\\genau", "0018\t*CompactFile*", true, "0018\t*CompactFile*"},
        {"C:\\klein", "0018\t*compactfile*", false, ""},
        // The trailer alone makes a pack; the 200000 bytes before it are not described by the directory.
        {"C:\\gross", std::string(200000, 'x') + "0018\t*CompactFile*", true, ""},
        {"C:\\magie-mitten", "0018\t*CompactFile*" + std::string(100, 'x'), false, ""},
    };
    for (const auto& c : cases) {
        files.Put(c.path, c.bytes);
        EXPECT_EQ(multiFile.IsCompactFile(c.path), c.isPack) << c.path;
        EXPECT_EQ(multiFile.CompactFileInfo(c.path), c.info) << c.path;
    }
    EXPECT_FALSE(multiFile.IsCompactFile("C:\\ordner"));
    EXPECT_FALSE(multiFile.IsCompactFile("C:\\fehlt"));
}

}  // namespace
}  // namespace kolvane
