#include "pack/multi_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "pack/pack_fixture.h"

namespace kolvane {
namespace {

// Each event as "kind name ByteToWrite ByteWritten PercentWritten".
class EventRecorder : public MultiFileEvents {
public:
    void FileWritten(const std::string& FileName, std::uint64_t ByteToWrite, std::uint64_t ByteWritten,
                     int PercentWritten) override {
        Record("FileWritten", FileName, ByteToWrite, ByteWritten, PercentWritten);
    }
    void FilesExtract(const std::string& FileName, std::uint64_t ByteToWrite, std::uint64_t ByteWritten,
                      int PercentWritten) override {
        Record("FilesExtract", FileName, ByteToWrite, ByteWritten, PercentWritten);
    }
    std::vector<std::string> events;

private:
    void Record(const char* kind, const std::string& name, std::uint64_t total, std::uint64_t done, int percent) {
        events.push_back(std::string(kind) + " " + name + " " + std::to_string(total) + " " + std::to_string(done) +
                         " " + std::to_string(percent));
    }
};

using Strings = std::vector<std::string>;

class MultiFileTest : public PackFixture {
protected:
    EventRecorder recorder;
    clsMultiFile multiFile{files, &recorder};
};

// The old pack is replaced whole; a file that happens to carry the name of the temporary file stays.
TEST_F(MultiFileTest, PacksOneFileOfFiveBytesIntoThirtyFourBytes) {
    files.Put("C:\\in\\A.TXT", "Hallo");
    files.Put("C:\\in\\P.PAK", "old pack");
    files.Put("C:\\in\\P.PAK.~0.tmp", "somebody's file");
    ASSERT_TRUE(multiFile.AddFile("C:\\in\\A.TXT"));
    ASSERT_TRUE(multiFile.CompactFiles("C:\\in\\P.PAK"));

    ASSERT_EQ(kSmallestPack.size(), 34u);
    EXPECT_EQ(Tree(), (Strings{"C", "C/in", "C/in/A.TXT=Hallo", "C/in/P.PAK.~0.tmp=somebody's file",
                               "C/in/P.PAK=" + kSmallestPack}));
    EXPECT_EQ(recorder.events, (Strings{"FileWritten A.TXT 5 5 100", "FileWritten P.PAK 5 5 100"}));
    EXPECT_TRUE(multiFile.IsCompactFile("C:\\in\\P.PAK"));
    EXPECT_EQ(multiFile.CompactFileInfo("C:\\in\\P.PAK"), "A.TXT\t0\t5\r\n0029\t*CompactFile*");
}

TEST_F(MultiFileTest, SkipsTheEmptyFileAndChainsTheOffsets) {
    files.Put("C:\\in\\A.TXT", std::string(10, 'a'));
    files.Put("C:\\in\\B.TXT", "");
    files.Put("C:\\in\\C.TXT", std::string(25, 'c'));
    EXPECT_TRUE(multiFile.AddFile("C:\\in\\A.TXT"));
    EXPECT_FALSE(multiFile.AddFile("C:\\in\\B.TXT"));
    EXPECT_TRUE(multiFile.AddFile("C:\\in\\C.TXT"));
    ASSERT_TRUE(multiFile.CompactFiles("C:\\in\\AC.PAK"));

    EXPECT_EQ(multiFile.CompactFileInfo("C:\\in\\AC.PAK"), "A.TXT\t0\t10\r\nC.TXT\t10\t25\r\n0043\t*CompactFile*");
    // 10 of 35 bytes are 28.6 percent, rounded to 29.
    EXPECT_EQ(recorder.events,
              (Strings{"FileWritten A.TXT 35 10 29", "FileWritten C.TXT 35 35 100", "FileWritten AC.PAK 35 35 100"}));
}

TEST_F(MultiFileTest, AddFileRefusesWhatCannotBePacked) {
    files.Put("C:\\in\\A.TXT", "a");
    files.Put("C:\\other\\a.txt", "second a");
    files.Put("C:\\in\\NUL.TXT", "device name");
    files.Put("C:\\in\\tab\tname", "tab");
    MakeFolder("C:\\in\\Ordner");
    ASSERT_TRUE(multiFile.AddFile("C:\\in\\A.TXT"));
    // The same name from another folder, in other case, would land on the first one.
    for (const char* path : {"C:\\in\\FEHLT.TXT", "C:\\in\\Ordner", "C:\\other\\a.txt", "C:\\in\\NUL.TXT",
                             "C:\\in\\tab\tname", "C:\\in\\"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(multiFile.AddFile(path));
    }
    multiFile.Init();
    EXPECT_TRUE(multiFile.AddFile("C:\\other\\a.txt"));
}

// A refused pack leaves every file as it was: the old pack, the sources, no temporary file.
TEST_F(MultiFileTest, CompactFilesRefusesAndLeavesEverythingAsItWas) {
    struct Case {
        const char* what;
        void (*change)(MemoryFiles&, clsMultiFile&);
        const char* target;
    };
    const Case cases[] = {
        {"source vanished", [](MemoryFiles& f, clsMultiFile&) { f.Delete("C:\\in\\B.TXT"); }, "C:\\in\\P.PAK"},
        {"source grew", [](MemoryFiles& f, clsMultiFile&) { f.Put("C:\\in\\B.TXT", "bbbb"); }, "C:\\in\\P.PAK"},
        {"source shrank", [](MemoryFiles& f, clsMultiFile&) { f.Put("C:\\in\\B.TXT", "b"); }, "C:\\in\\P.PAK"},
        {"empty list", [](MemoryFiles&, clsMultiFile& m) { m.Init(); }, "C:\\in\\P.PAK"},
        {"target among the sources", [](MemoryFiles&, clsMultiFile&) {}, "c:/IN/a.txt"},
        {"target folder missing", [](MemoryFiles&, clsMultiFile&) {}, "C:\\fehlt\\P.PAK"},
        // 49 lines of 205 bytes and their offsets make a block of 10151 bytes, too long for the length field.
        {"directory of ten thousand bytes",
         [](MemoryFiles& f, clsMultiFile& m) {
             for (int i = 0; i < 49; ++i) {
                 const std::string path = "C:\\in\\" + std::string(197, 'N') + std::to_string(100 + i);
                 f.Put(path, "x");
                 ASSERT_TRUE(m.AddFile(path));
             }
         },
         "C:\\in\\P.PAK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Clear();
        files.Put("C:\\in\\A.TXT", "aa");
        files.Put("C:\\in\\B.TXT", "bbb");
        files.Put("C:\\in\\P.PAK", "old pack");
        multiFile.Init();
        ASSERT_TRUE(multiFile.AddFile("C:\\in\\A.TXT"));
        ASSERT_TRUE(multiFile.AddFile("C:\\in\\B.TXT"));
        c.change(files, multiFile);
        const Strings before = Tree();
        recorder.events.clear();
        EXPECT_FALSE(multiFile.CompactFiles(c.target));
        EXPECT_EQ(Tree(), before);
        for (const std::string& event : recorder.events)
            EXPECT_EQ(event.find(" P.PAK "), std::string::npos) << "the closing event belongs to a written pack";
    }
}

// Read and write through the class: names in any case find their member, nothing else does.
TEST_F(MultiFileTest, ExtractsWhatItPackedWithEvents) {
    files.Put("C:\\in\\A.TXT", std::string(10, 'a'));
    files.Put("C:\\in\\Größe.TXT", std::string(25, 'c'));
    ASSERT_TRUE(multiFile.AddFile("C:\\in\\A.TXT"));
    ASSERT_TRUE(multiFile.AddFile("C:\\in\\Größe.TXT"));
    ASSERT_TRUE(multiFile.CompactFiles("C:\\P.PAK"));
    recorder.events.clear();
    files.Put("C:\\out\\a.txt", "replaced");

    ASSERT_TRUE(multiFile.ExtractFiles("C:\\P.PAK", "C:\\out\\", ""));
    EXPECT_EQ(Content("C:\\out\\A.TXT"), std::string(10, 'a'));
    EXPECT_EQ(Content("C:\\out\\Größe.TXT"), std::string(25, 'c'));
    EXPECT_EQ(recorder.events, (Strings{"FilesExtract A.TXT 35 10 29", "FilesExtract Größe.TXT 35 35 100"}));
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\P.PAK", "grÖße.txt"), std::string(25, 'c'));
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\P.PAK", "GRÖSSE.TXT"), "");
    files.Put("C:\\KAPUTT.PAK", kSmallestPack.substr(1));
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\KAPUTT.PAK", "A.TXT"), "");
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\FEHLT.PAK", "A.TXT"), "");
}

TEST_F(MultiFileTest, ExtractFilesWritesAllOrNothing) {
    struct Case {
        const char* what;
        std::optional<std::string> pack;  // none: no pack file
        const char* target;
        const char* only;
        bool extracted;
        Strings written;  // what is there besides the pack and C:\out
        Strings events;
    };
    const Case cases[] = {
        {"one member by its name in capitals, without events", kSmallestPack, "C:\\out", "a.txt", true,
         {"C/out/A.TXT=Hallo"}, {}},
        {"a name the pack does not hold", kSmallestPack, "C:\\out", "B.TXT", false, {}, {}},
        {"no members", "0018\t*CompactFile*", "C:\\out", "", true, {}, {}},
        {"no members, one asked for", "0018\t*CompactFile*", "C:\\out", "A.TXT", false, {}, {}},
        {"a member of no bytes counts as complete", "E.TXT\t0\t0\r\n0029\t*CompactFile*", "C:\\out", "", true,
         {"C/out/E.TXT="}, {"FilesExtract E.TXT 0 0 100"}},
        {"target folder missing", kSmallestPack, "C:\\fehlt", "", false, {}, {}},
        {"pack missing", std::nullopt, "C:\\out", "", false, {}, {}},
        {"not a pack", "Hallo Welt, kein Pack", "C:\\out", "", false, {}, {}},
        {"corrupt directory", "HalloA.TXT\t0\t9\r\n0029\t*CompactFile*", "C:\\out", "", false, {}, {}},
        {"member name with parent step", "Hallo..\\x.TXT\t0\t5\r\n0032\t*CompactFile*", "C:\\out", "", false, {}, {}},
        {"member name of a device", "HalloNUL.txt\t0\t5\r\n0031\t*CompactFile*", "C:\\out", "", false, {}, {}},
        {"member name twice", "HalloA\t0\t2\r\na\t2\t3\r\n0032\t*CompactFile*", "C:\\out", "", false, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Clear();
        if (c.pack) files.Put("C:\\P.PAK", *c.pack);
        MakeFolder("C:\\out");
        recorder.events.clear();
        EXPECT_EQ(multiFile.ExtractFiles("C:\\P.PAK", c.target, c.only), c.extracted);
        Strings tree = Tree();
        std::erase_if(tree, [](const std::string& n) { return n == "C" || n == "C/out" || n.starts_with("C/P.PAK="); });
        EXPECT_EQ(tree, c.written);
        EXPECT_EQ(recorder.events, c.events);
    }
}

TEST_F(MultiFileTest, ExtractFilesFailsWhenAMemberCannotBeWritten) {
    files.Put("C:\\P.PAK", kSmallestPack);
    MakeFolder("C:\\out\\A.TXT");
    EXPECT_FALSE(multiFile.ExtractFiles("C:\\P.PAK", "C:\\out", ""));
    EXPECT_EQ(Tree(), (Strings{"C", "C/P.PAK=" + kSmallestPack, "C/out", "C/out/A.TXT"}));
}

TEST_F(MultiFileTest, RecognisesPacksByTheirLastBytes) {
    files.Put("C:\\kurz", "018\t*CompactFile*");
    files.Put("C:\\genau", "0018\t*CompactFile*");
    files.Put("C:\\klein", "0018\t*compactfile*");
    files.Put("C:\\gross", std::string(200000, 'x') + "0018\t*CompactFile*");
    files.Put("C:\\magie-mitten", "0018\t*CompactFile*" + std::string(100, 'x'));
    MakeFolder("C:\\ordner");
    struct Case {
        const char* path;
        bool isPack;
        std::string info;
    };
    const Case cases[] = {
        {"C:\\kurz", false, ""}, {"C:\\genau", true, "0018\t*CompactFile*"}, {"C:\\klein", false, ""},
        // The trailer alone makes a pack; the 200000 bytes before it are not described by the directory.
        {"C:\\gross", true, ""}, {"C:\\magie-mitten", false, ""}, {"C:\\ordner", false, ""}, {"C:\\fehlt", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(multiFile.IsCompactFile(c.path), c.isPack);
        EXPECT_EQ(multiFile.CompactFileInfo(c.path), c.info);
    }
}

}  // namespace
}  // namespace kolvane
