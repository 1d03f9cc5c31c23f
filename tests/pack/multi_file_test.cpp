#include "pack/multi_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pack/pack_fixture.h"

namespace kolvane {
namespace {

struct Event {
    std::string kind;
    std::string FileName;
    std::uint64_t ByteToWrite;
    std::uint64_t ByteWritten;
    int PercentWritten;
    friend bool operator==(const Event&, const Event&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Event& e) {
        return out << e.kind << "(" << e.FileName << ", " << e.ByteToWrite << ", " << e.ByteWritten << ", "
                   << e.PercentWritten << ")";
    }
};

class EventRecorder : public MultiFileEvents {
public:
    void FileWritten(const std::string& FileName, std::uint64_t ByteToWrite, std::uint64_t ByteWritten,
                     int PercentWritten) override {
        events.push_back({"FileWritten", FileName, ByteToWrite, ByteWritten, PercentWritten});
    }
    void FilesExtract(const std::string& FileName, std::uint64_t ByteToWrite, std::uint64_t ByteWritten,
                      int PercentWritten) override {
        events.push_back({"FilesExtract", FileName, ByteToWrite, ByteWritten, PercentWritten});
    }
    std::vector<Event> events;
};

const std::string kSmallestPack = std::string("Hallo") + "A.TXT\t0\t5\r\n" + "0029\t*CompactFile*";

class MultiFileTest : public PackFixture {
protected:
    EventRecorder recorder;
    clsMultiFile multiFile{files, &recorder};
};

TEST_F(MultiFileTest, PacksOneFileOfFiveBytesIntoThirtyFourBytes) {
    files.Put("C:\\Daten\\A.TXT", "Hallo");
    MakeFolder("C:\\Pack");
    ASSERT_TRUE(multiFile.AddFile("C:\\Daten\\A.TXT"));
    ASSERT_TRUE(multiFile.CompactFiles("C:\\Pack\\P.PAK"));

    const std::string expected = {'H',  'a', 'l',  'l',  'o', 'A', '.', 'T', 'X',  'T', '\t', '0',
                                  '\t', '5', '\r', '\n', '0', '0', '2', '9', '\t', '*', 'C',  'o',
                                  'm',  'p', 'a',  'c',  't', 'F', 'i', 'l', 'e',  '*'};
    ASSERT_EQ(expected.size(), 34u);
    EXPECT_EQ(Content("C:\\Pack\\P.PAK"), expected);
    const std::vector<Event> events = {{"FileWritten", "A.TXT", 5, 5, 100},
                                       {"FileWritten", "P.PAK", 5, 5, 100}};
    EXPECT_EQ(recorder.events, events);
    EXPECT_TRUE(multiFile.IsCompactFile("C:\\Pack\\P.PAK"));
    EXPECT_EQ(multiFile.CompactFileInfo("C:\\Pack\\P.PAK"), "A.TXT\t0\t5\r\n0029\t*CompactFile*");
}

TEST_F(MultiFileTest, SkipsTheEmptyFileAndChainsTheOffsets) {
    files.Put("C:\\in\\A.TXT", std::string(10, 'a'));
    files.Put("C:\\in\\B.TXT", "");
    files.Put("C:\\in\\C.TXT", std::string(25, 'c'));
    EXPECT_TRUE(multiFile.AddFile("C:\\in\\A.TXT"));
    EXPECT_FALSE(multiFile.AddFile("C:\\in\\B.TXT"));
    EXPECT_TRUE(multiFile.AddFile("C:\\in\\C.TXT"));
    ASSERT_TRUE(multiFile.CompactFiles("C:\\in\\AC.PAK"));

    EXPECT_EQ(multiFile.CompactFileInfo("C:\\in\\AC.PAK"),
              "A.TXT\t0\t10\r\nC.TXT\t10\t25\r\n0043\t*CompactFile*");
    // 10 of 35 bytes are 28.6 percent, rounded to 29.
    const std::vector<Event> events = {{"FileWritten", "A.TXT", 35, 10, 29},
                                       {"FileWritten", "C.TXT", 35, 35, 100},
                                       {"FileWritten", "AC.PAK", 35, 35, 100}};
    EXPECT_EQ(recorder.events, events);
}

TEST_F(MultiFileTest, AddFileRefusesWhatCannotBePacked) {
    files.Put("C:\\in\\A.TXT", "a");
    files.Put("C:\\other\\a.txt", "second a");
    files.Put("C:\\in\\LEER.TXT", "");
    files.Put("C:\\in\\NUL.TXT", "device name");
    files.Put("C:\\in\\tab\tname", "tab");
    MakeFolder("C:\\in\\Ordner");
    ASSERT_TRUE(multiFile.AddFile("C:\\in\\A.TXT"));
    struct Case {
        const char* what;
        std::string path;
    };
    const Case cases[] = {
        {"missing file", "C:\\in\\FEHLT.TXT"},
        {"empty file", "C:\\in\\LEER.TXT"},
        {"folder", "C:\\in\\Ordner"},
        {"same name from another folder, other case", "C:\\other\\a.txt"},
        {"name of a device", "C:\\in\\NUL.TXT"},
        {"name with a tab", "C:\\in\\tab\tname"},
        {"path ending in a backslash", "C:\\in\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(multiFile.AddFile(c.path));
    }
    multiFile.Init();
    EXPECT_TRUE(multiFile.AddFile("C:\\other\\a.txt"));
}

TEST_F(MultiFileTest, CompactFilesRefusesAPackThatWouldNotMatchItsData) {
    struct Case {
        const char* what;
        void (*change)(MemoryFiles&);
    };
    const Case cases[] = {
        {"source vanished", [](MemoryFiles& f) { f.Delete("C:\\in\\B.TXT"); }},
        {"source grew", [](MemoryFiles& f) { f.Put("C:\\in\\B.TXT", "bbbb"); }},
        {"source shrank", [](MemoryFiles& f) { f.Put("C:\\in\\B.TXT", "b"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        files.Put("C:\\in\\A.TXT", "aa");
        files.Put("C:\\in\\B.TXT", "bbb");
        files.Put("C:\\in\\P.PAK", "old pack");
        multiFile.Init();
        ASSERT_TRUE(multiFile.AddFile("C:\\in\\A.TXT"));
        ASSERT_TRUE(multiFile.AddFile("C:\\in\\B.TXT"));
        c.change(files);
        EXPECT_FALSE(multiFile.CompactFiles("C:\\in\\P.PAK"));
        EXPECT_EQ(Content("C:\\in\\P.PAK"), "old pack");
    }
}

TEST_F(MultiFileTest, CompactFilesRefusesAnEmptyListATargetAmongTheSourcesAndAFailedWrite) {
    files.Put("C:\\in\\A.TXT", "aa");
    EXPECT_FALSE(multiFile.CompactFiles("C:\\in\\P.PAK"));

    ASSERT_TRUE(multiFile.AddFile("C:\\in\\A.TXT"));
    EXPECT_FALSE(multiFile.CompactFiles("c:/IN/a.txt"));
    EXPECT_EQ(Content("C:\\in\\A.TXT"), "aa");

    EXPECT_TRUE(recorder.events.empty());
    // The member was read before the write failed; the closing event stays out.
    EXPECT_FALSE(multiFile.CompactFiles("C:\\fehlt\\P.PAK"));
    EXPECT_FALSE(files.Exists("C:\\fehlt"));
    EXPECT_EQ(recorder.events, (std::vector<Event>{{"FileWritten", "A.TXT", 2, 2, 100}}));
}

TEST_F(MultiFileTest, CompactFilesRefusesADirectoryOfTenThousandBytes) {
    // Each line is the 200-character name, a tab, the offset, a tab, "1" and CR LF.
    const auto fill = [&](int count) {
        multiFile.Init();
        for (int i = 0; i < count; ++i) {
            const std::string name = std::string(197, 'N') + std::to_string(100 + i);
            files.Put("C:\\in\\" + name, "x");
            ASSERT_TRUE(multiFile.AddFile("C:\\in\\" + name));
        }
    };
    // A line is 205 bytes and its offset: 48 lines make a block of 9944 bytes, 49 one of 10151.
    fill(48);
    ASSERT_TRUE(multiFile.CompactFiles("C:\\P.PAK"));
    const std::string block = multiFile.CompactFileInfo("C:\\P.PAK");
    EXPECT_LT(block.size(), 10000u);
    EXPECT_EQ(block.substr(block.size() - 18, 4), std::to_string(block.size()));

    fill(49);
    EXPECT_FALSE(multiFile.CompactFiles("C:\\Q.PAK"));
    EXPECT_FALSE(files.Exists("C:\\Q.PAK"));
}

TEST_F(MultiFileTest, ReplacesTheTargetAndLeavesForeignFilesAlone) {
    files.Put("C:\\in\\A.TXT", "Hallo");
    files.Put("C:\\in\\P.PAK", "old pack");
    files.Put("C:\\in\\P.PAK.~0.tmp", "somebody's file");
    ASSERT_TRUE(multiFile.AddFile("C:\\in\\A.TXT"));
    ASSERT_TRUE(multiFile.CompactFiles("C:\\in\\P.PAK"));
    EXPECT_EQ(Content("C:\\in\\P.PAK"), kSmallestPack);
    EXPECT_EQ(Content("C:\\in\\P.PAK.~0.tmp"), "somebody's file");
    EXPECT_EQ(AllHostFiles(),
              (std::vector<std::string>{"C", "C/in", "C/in/A.TXT", "C/in/P.PAK", "C/in/P.PAK.~0.tmp"}));
}

TEST_F(MultiFileTest, ExtractsAllMembersWithEvents) {
    files.Put("C:\\in\\A.TXT", std::string(10, 'a'));
    files.Put("C:\\in\\Größe.TXT", std::string(25, 'c'));
    ASSERT_TRUE(multiFile.AddFile("C:\\in\\A.TXT"));
    ASSERT_TRUE(multiFile.AddFile("C:\\in\\Größe.TXT"));
    ASSERT_TRUE(multiFile.CompactFiles("C:\\P.PAK"));
    recorder.events.clear();
    MakeFolder("C:\\out");
    files.Put("C:\\out\\a.txt", "replaced");

    ASSERT_TRUE(multiFile.ExtractFiles("C:\\P.PAK", "C:\\out\\", ""));
    EXPECT_EQ(Content("C:\\out\\A.TXT"), std::string(10, 'a'));
    EXPECT_EQ(Content("C:\\out\\Größe.TXT"), std::string(25, 'c'));
    const std::vector<Event> events = {{"FilesExtract", "A.TXT", 35, 10, 29},
                                       {"FilesExtract", "Größe.TXT", 35, 35, 100}};
    EXPECT_EQ(recorder.events, events);
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\P.PAK", "GRÖSSE.TXT"), "");
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\P.PAK", "grÖße.txt"), std::string(25, 'c'));
}

TEST_F(MultiFileTest, ExtractsOneMemberByNameInCapitalsWithoutEvents) {
    files.Put("C:\\P.PAK", kSmallestPack);
    MakeFolder("C:\\out");
    ASSERT_TRUE(multiFile.ExtractFiles("C:\\P.PAK", "C:\\out", "a.txt"));
    EXPECT_EQ(Content("C:\\out\\A.TXT"), "Hallo");
    EXPECT_TRUE(recorder.events.empty());

    EXPECT_FALSE(multiFile.ExtractFiles("C:\\P.PAK", "C:\\out", "B.TXT"));
}

TEST_F(MultiFileTest, ExtractsAPackWithoutMembers) {
    files.Put("C:\\P.PAK", "0018\t*CompactFile*");
    MakeFolder("C:\\out");
    EXPECT_TRUE(multiFile.ExtractFiles("C:\\P.PAK", "C:\\out", ""));
    EXPECT_FALSE(multiFile.ExtractFiles("C:\\P.PAK", "C:\\out", "A.TXT"));
    EXPECT_EQ(AllHostFiles(), (std::vector<std::string>{"C", "C/P.PAK", "C/out"}));
}

TEST_F(MultiFileTest, ReportsAPackOfEmptyMembersAsComplete) {
    files.Put("C:\\P.PAK", "E.TXT\t0\t0\r\n0029\t*CompactFile*");
    MakeFolder("C:\\out");
    ASSERT_TRUE(multiFile.ExtractFiles("C:\\P.PAK", "C:\\out", ""));
    EXPECT_EQ(Content("C:\\out\\E.TXT"), "");
    EXPECT_EQ(recorder.events, (std::vector<Event>{{"FilesExtract", "E.TXT", 0, 0, 100}}));
}

TEST_F(MultiFileTest, ExtractFilesRefusesAndWritesNothing) {
    struct Case {
        const char* what;
        std::string pack;
        std::string target;
    };
    const Case cases[] = {
        {"target folder missing", kSmallestPack, "C:\\fehlt"},
        {"not a pack", "Hallo Welt, kein Pack", "C:\\out"},
        {"truncated pack", kSmallestPack.substr(0, 30), "C:\\out"},
        {"corrupt directory", "HalloA.TXT\t0\t9\r\n0029\t*CompactFile*", "C:\\out"},
        {"member name with parent step", "Hallo..\\x.TXT\t0\t5\r\n0032\t*CompactFile*", "C:\\out"},
        {"member name with folder", "Hallosub\\x.TXT\t0\t5\r\n0033\t*CompactFile*", "C:\\out"},
        {"member name with drive", "HalloC:x.TXT\t0\t5\r\n0031\t*CompactFile*", "C:\\out"},
        {"member name of a device", "HalloNUL.txt\t0\t5\r\n0031\t*CompactFile*", "C:\\out"},
        {"member name twice", "HalloA\t0\t2\r\na\t2\t3\r\n0032\t*CompactFile*", "C:\\out"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        files.Put("C:\\P.PAK", c.pack);
        MakeFolder("C:\\out");
        EXPECT_FALSE(multiFile.ExtractFiles("C:\\P.PAK", c.target, ""));
        EXPECT_EQ(AllHostFiles(), (std::vector<std::string>{"C", "C/P.PAK", "C/out"}));
    }
    EXPECT_FALSE(multiFile.ExtractFiles("C:\\FEHLT.PAK", "C:\\out", ""));
    EXPECT_TRUE(recorder.events.empty());
}

TEST_F(MultiFileTest, ExtractFilesFailsWhenAMemberCannotBeWritten) {
    files.Put("C:\\P.PAK", kSmallestPack);
    MakeFolder("C:\\out\\A.TXT");
    EXPECT_FALSE(multiFile.ExtractFiles("C:\\P.PAK", "C:\\out", ""));
    EXPECT_TRUE(files.IsFolder("C:\\out\\A.TXT"));
    EXPECT_EQ(AllHostFiles(), (std::vector<std::string>{"C", "C/P.PAK", "C/out", "C/out/A.TXT"}));
}

TEST_F(MultiFileTest, RecognisesPacksByTheirLastBytes) {
    files.Put("C:\\kurz", "018\t*CompactFile*");
    files.Put("C:\\genau", "0018\t*CompactFile*");
    files.Put("C:\\gross", std::string(200000, 'x') + "0018\t*CompactFile*");
    files.Put("C:\\magie-mitten", "0018\t*CompactFile*" + std::string(100, 'x'));
    MakeFolder("C:\\ordner");
    struct Case {
        std::string path;
        bool isPack;
        std::string info;
    };
    const Case cases[] = {
        {"C:\\kurz", false, ""},
        {"C:\\genau", true, "0018\t*CompactFile*"},
        // The trailer alone makes a pack; the 200000 bytes before it are not described by the directory.
        {"C:\\gross", true, ""},
        {"C:\\magie-mitten", false, ""},
        {"C:\\ordner", false, ""},
        {"C:\\fehlt", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(multiFile.IsCompactFile(c.path), c.isPack);
        EXPECT_EQ(multiFile.CompactFileInfo(c.path), c.info);
    }
}

TEST_F(MultiFileTest, ExtractFile2StringGivesNothingForUnknownNamesAndBrokenPacks) {
    files.Put("C:\\P.PAK", kSmallestPack);
    files.Put("C:\\KAPUTT.PAK", kSmallestPack.substr(1));
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\P.PAK", "A.TXT"), "Hallo");
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\P.PAK", "B.TXT"), "");
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\KAPUTT.PAK", "A.TXT"), "");
    EXPECT_EQ(multiFile.ExtractFile2String("C:\\FEHLT.PAK", "A.TXT"), "");
}

}  // namespace
}  // namespace kolvane
