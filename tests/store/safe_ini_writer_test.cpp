#include "store/safe_ini_writer.h"

#include "store_fixture.h"

namespace kolvane {
namespace {

class SafeIniWriterTest : public StoreTest {
protected:
    SaveResult Set(const std::string& key, const std::string& value, const std::string& path = kDatabase) {
        return EditIniFile(files, p.clock, locks, path,
                           [&](IniDocument& document) { return document.Write("000", key, value); });
    }
};

TEST_F(SafeIniWriterTest, AMissingFileIsNeverCreated) {
    EXPECT_EQ(Set("k", "v"), SaveResult::Missing);
    EXPECT_FALSE(p.files.Exists(kDatabase));
    p.files.CreateFolder(kFolder);
    EXPECT_EQ(Set("k", "v"), SaveResult::Missing);
    EXPECT_TRUE(FolderFiles().empty());
    EXPECT_FALSE(locks.Held(LockFileOf(kDatabase)));
}

TEST_F(SafeIniWriterTest, KeepsEveryByteTheEditDoesNotTouch) {
    const std::string before =
        "; made by hand\n\n[000]\r\nA=1\n  odd line\r\n\r\n[001]\rB=2\r\n[000]\r\nk=later section\r\nlast=no break";
    Put(before);
    EXPECT_EQ(Set("k", "new"), SaveResult::Saved);
    EXPECT_EQ(File(), "; made by hand\n\n[000]\r\nA=1\n  odd line\r\nk=new\r\n\r\n[001]\rB=2\r\n[000]\r\n"
                      "k=later section\r\nlast=no break");
    EXPECT_EQ(Set("A", "9"), SaveResult::Saved);
    EXPECT_EQ(File(), "; made by hand\n\n[000]\r\nA=9\n  odd line\r\nk=new\r\n\r\n[001]\rB=2\r\n[000]\r\n"
                      "k=later section\r\nlast=no break");
    EXPECT_EQ(FolderFiles(), std::vector<std::string>{"DATEX.DAT"}) << "no temporary or lock file is left";
    EXPECT_FALSE(locks.Held(LockFileOf(kDatabase)));
}

TEST_F(SafeIniWriterTest, AnUnchangedValueDoesNotTouchTheFile) {
    Put("[000]\r\nk=v\r\n");
    files.beforeWriteAll = [](const std::string&) {
        ADD_FAILURE() << "nothing to write";
        return true;
    };
    EXPECT_EQ(Set("k", "v"), SaveResult::Saved);
    EXPECT_EQ(files.replaces, 0);
}

TEST_F(SafeIniWriterTest, WaitsForAnotherWriterOfOursWithinABound) {
    Put("[000]\r\n");
    {
        const auto other = locks.TryLock(LockFileOf("C:\\ORVINTAL\\datex.dat"));  // names without regard to case
        ASSERT_TRUE(other);
        EXPECT_EQ(Set("k", "v"), SaveResult::Busy);
        EXPECT_GE(p.clock.Elapsed(), 10.0);
        EXPECT_LT(p.clock.Elapsed(), 10.5);
        EXPECT_EQ(File(), "[000]\r\n");
    }
    auto other = std::make_shared<std::unique_ptr<HeldFileLock>>(locks.TryLock(LockFileOf(kDatabase)));
    const double start = p.clock.Elapsed();
    p.clock.Schedule(3, [other] { other->reset(); });
    EXPECT_EQ(Set("k", "v"), SaveResult::Saved);
    EXPECT_NEAR(p.clock.Elapsed() - start, 3.0, 0.3);
    EXPECT_EQ(File(), "[000]\r\nk=v\r\n");
}

TEST_F(SafeIniWriterTest, RetriesTheReplaceWhileAPeerHoldsTheFileOpen) {
    Put("[000]\r\n");
    int refusals = 5;
    files.beforeReplace = [&](const std::string&, const std::string&) { return refusals-- <= 0; };
    EXPECT_EQ(Set("k", "v"), SaveResult::Saved);
    EXPECT_EQ(files.replaces, 6);
    EXPECT_EQ(File(), "[000]\r\nk=v\r\n");
    EXPECT_EQ(FolderFiles(), std::vector<std::string>{"DATEX.DAT"});

    files.beforeReplace = [](const std::string&, const std::string&) { return false; };
    const double start = p.clock.Elapsed();
    EXPECT_EQ(Set("k", "w"), SaveResult::Busy);
    EXPECT_NEAR(p.clock.Elapsed() - start, 10.0, 0.3);
    EXPECT_EQ(File(), "[000]\r\nk=v\r\n");
    EXPECT_EQ(FolderFiles(), std::vector<std::string>{"DATEX.DAT"}) << "the temporary file is removed";
}

TEST_F(SafeIniWriterTest, APeersWriteInTheMeantimeIsKept) {
    struct Case {
        const char* what;
        bool duringTemporaryWrite;  // else: while the replace is refused
    };
    for (const Case& c : {Case{"peer writes while the new content is written", true},
                          Case{"peer writes while it holds the file open", false}}) {
        SCOPED_TRACE(c.what);
        Put("[000]\r\nmine=0\r\n");
        bool peerWrote = false;
        // The peer writes once; true when it wrote just now.
        auto peer = [&] {
            if (peerWrote) return false;
            peerWrote = true;
            Put("[000]\r\nmine=0\r\npeer=1\r\n");
            return true;
        };
        files.beforeWriteAll = [&](const std::string&) {
            if (c.duringTemporaryWrite) peer();
            return true;
        };
        files.beforeReplace = [&](const std::string&, const std::string&) {
            return c.duringTemporaryWrite || !peer();
        };
        EXPECT_EQ(Set("mine", "1"), SaveResult::Saved);
        EXPECT_TRUE(peerWrote);
        EXPECT_EQ(File(), "[000]\r\nmine=1\r\npeer=1\r\n");
    }
}

TEST_F(SafeIniWriterTest, AFullDiskLeavesTheFileAsItWas) {
    Put("[000]\r\nk=v\r\n");
    files.beforeWriteAll = [&](const std::string& path) {
        p.files.Put(path, "half");  // what a full disk leaves of the temporary file
        return false;
    };
    EXPECT_EQ(Set("k", "w"), SaveResult::Failed);
    EXPECT_EQ(File(), "[000]\r\nk=v\r\n");
    EXPECT_EQ(FolderFiles(), std::vector<std::string>{"DATEX.DAT"});
    EXPECT_EQ(files.replaces, 0);
}

TEST_F(SafeIniWriterTest, RefusedEditsAndFoldersChangeNothing) {
    Put("[000]\r\nk=v\r\n");
    EXPECT_EQ(Set("bad=key", "w"), SaveResult::Refused);
    EXPECT_EQ(Set("k", "line\r\nbreak"), SaveResult::Refused);
    EXPECT_EQ(File(), "[000]\r\nk=v\r\n");
    p.files.CreateFolder("C:\\Orvintal\\FOLDER.DAT");
    EXPECT_EQ(Set("k", "w", "C:\\Orvintal\\FOLDER.DAT"), SaveResult::Failed);
    EXPECT_EQ(files.replaces, 0);
}

}  // namespace
}  // namespace kolvane
