#include "pack/multi_file.h"

#include "pack/pack_fixture.h"

namespace kolvane {
namespace {

using Strings = std::vector<std::string>;

// Each event as "kind name ByteToWrite ByteWritten PercentWritten".
class MultiFileTest : public PackFixture, public MultiFileEvents {
protected:
    void FileWritten(const std::string& n, std::uint64_t t, std::uint64_t d, int p) override { Note("Written", n, t, d, p); }
    void FilesExtract(const std::string& n, std::uint64_t t, std::uint64_t d, int p) override { Note("Extract", n, t, d, p); }
    void Note(const char* kind, const std::string& name, std::uint64_t total, std::uint64_t done, int percent) {
        events.push_back(kind + (" " + name) + " " + std::to_string(total) + " " + std::to_string(done) + " " +
                         std::to_string(percent));
    }
    Strings events;
    clsMultiFile multiFile{files, this};
};

// The old pack is replaced whole and a file that happens to carry the name of the temporary file stays.
TEST_F(MultiFileTest, PacksAndExtractsWithEvents) {
    const std::string a(10, 'a'), c(25, 'c'), size = "C:\\in\\Gr\xF6\xDF" "e.TXT";
    for (const auto& [path, bytes] : {std::pair{"C:\\in\\A.TXT", a}, {size.c_str(), c}, {"C:\\in\\B.TXT", ""},
                                      {"C:\\in\\NUL.TXT", "x"}, {"C:\\other\\a.txt", "x"}, {"C:\\P.PAK", "old"},
                                      {"C:\\P.PAK.~0.tmp", "somebody's"}, {"C:\\out\\a.txt", "old"}})
        files.Put(path, bytes);
    EXPECT_TRUE(multiFile.AddFile("C:\\in\\A.TXT"));
    // Missing, empty, a folder, a device name, the same name from another folder in other case.
    for (const char* path : {"C:\\in\\FEHLT", "C:\\in\\B.TXT", "C:\\in", "C:\\in\\NUL.TXT", "C:\\other\\a.txt", "C:\\in\\"})
        EXPECT_FALSE(multiFile.AddFile(path)) << path;
    EXPECT_TRUE(multiFile.AddFile(size));
    ASSERT_TRUE(multiFile.CompactFiles("C:\\P.PAK"));
    EXPECT_FALSE(multiFile.ExtractFiles("C:\\P.PAK", "C:\\out", "B.TXT"));
    ASSERT_TRUE(multiFile.ExtractFiles("C:\\P.PAK", "C:\\out\\", ""));
    // 10 of 35 bytes are 28.6 percent, rounded to 29.
    EXPECT_EQ(events, (Strings{"Written A.TXT 35 10 29", "Written Gr\xF6\xDF" "e.TXT 35 35 100", "Written P.PAK 35 35 100",
                               "Extract A.TXT 35 10 29", "Extract Gr\xF6\xDF" "e.TXT 35 35 100"}));
    const std::string block = "A.TXT\t0\t10\r\nGr\xF6\xDF" "e.TXT\t10\t25\r\n0047\t*CompactFile*";
    EXPECT_EQ(files.ReadAll("C:\\P.PAK"), a + c + block);
    EXPECT_EQ(files.ReadAll("C:\\P.PAK.~0.tmp"), "somebody's");
    EXPECT_EQ(files.ReadAll("C:\\out\\A.TXT"), a);
    EXPECT_EQ(Tree().size(), 13u) << "no temporary file is left";
    EXPECT_EQ(multiFile.CompactFileInfo("C:\\P.PAK"), block);
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\P.PAK", "gr\xD6\xDF" "e.txt"), c);
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\P.PAK", "GR\xD6SSE.TXT"), "");
    files.Put("C:\\KAPUTT.PAK", (a + c + block).substr(1));
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\KAPUTT.PAK", "A.TXT"), "");
    // The trailer alone makes a pack, even when its directory does not describe the bytes before it.
    files.Put("C:\\X.PAK", "x0018\t*CompactFile*");
    EXPECT_TRUE(multiFile.IsCompactFile("C:\\X.PAK"));
    EXPECT_EQ(multiFile.CompactFileInfo("C:\\X.PAK"), "");
    for (const char* notPack : {"C:\\in\\NUL.TXT", "C:\\", "C:\\fehlt"}) EXPECT_FALSE(multiFile.IsCompactFile(notPack));
}

// A refused pack leaves every file as it was: the old pack, the sources, no temporary file.
TEST_F(MultiFileTest, CompactFilesRefusesAndLeavesEverythingAsItWas) {
    const std::string longName = "C:\\in\\" + std::string(197, 'N');
    const struct { const char* what; std::function<void()> change; const char* target = "C:\\in\\P.PAK"; } cases[] = {
        {"source vanished", [&] { files.Delete("C:\\in\\B.TXT"); }},
        {"source changed its size", [&] { files.Put("C:\\in\\B.TXT", "bbbb"); }},
        {"target among the sources", [] {}, "c:/IN/a.txt"},
        // 49 lines of 205 bytes and their offsets make a block of 10151 bytes, too long for the length field.
        {"directory of ten thousand bytes", [&] {
             for (int i = 100; i < 149; ++i) files.Put(longName + std::to_string(i), "x"), multiFile.AddFile(longName + std::to_string(i));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& [path, bytes] : {std::pair{"C:\\in\\A.TXT", "aa"}, {"C:\\in\\B.TXT", "bbb"}, {"C:\\in\\P.PAK", "old pack"}})
            files.Put(path, bytes);
        multiFile.Init();
        ASSERT_TRUE(multiFile.AddFile("C:\\in\\A.TXT") && multiFile.AddFile("C:\\in\\B.TXT"));
        c.change();
        const Strings before = Tree();
        events.clear();
        EXPECT_FALSE(multiFile.CompactFiles(c.target));
        EXPECT_EQ(Tree(), before);
        for (const std::string& event : events) EXPECT_EQ(event.find(" P.PAK "), std::string::npos) << "no closing event";
    }
}

}  // namespace
}  // namespace kolvane
