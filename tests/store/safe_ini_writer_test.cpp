#include "store/safe_ini_writer.h"

#include "store_fixture.h"

namespace kolvane {
namespace {

class SafeIniWriterTest : public StoreTest {
protected:
    SaveResult Set(const std::string& key, const std::string& value, const std::string& path = kDatabase) {
        return EditIniFile(files, p.clock, p.locks, path,
                           [&](IniDocument& document) { return document.Write("000", key, value); });
    }
};

TEST_F(SafeIniWriterTest, KeepsEveryByteTheEditDoesNotTouch) {
    const std::string rest = "\r\n\r\n[001]\rB=2\r\n[000]\r\nk=later section\r\nlast=no break";
    Put("; made by hand\n\n[000]\r\nA=1\n  odd line" + rest);
    EXPECT_EQ(Set("k", "new"), SaveResult::Saved);
    EXPECT_EQ(Set("A", "9"), SaveResult::Saved);
    EXPECT_EQ(File(), "; made by hand\n\n[000]\r\nA=9\n  odd line\r\nk=new" + rest);
    EXPECT_EQ(Set("A", "9"), SaveResult::Saved);
    EXPECT_EQ(files.replaces, 2) << "an unchanged value does not touch the file";
}

// Whatever goes wrong, the file is whole: as it was, or with the edit, and a peer's write in the meantime
// kept. No temporary or lock file is left, and every wait ends within its bound.
TEST_F(SafeIniWriterTest, TheFileIsNeverHalfWrittenAndWaitsEnd) {
    const std::string before = "[000]\r\nk=v\r\n", after = "[000]\r\nk=w\r\n";
    std::unique_ptr<HeldFileLock> held;
    int refusals = 0;
    bool peerWrote = false;
    auto peer = [&] {  // writes once; true when it wrote just now
        if (peerWrote) return false;
        peerWrote = true;
        Put("[000]\r\nk=v\r\npeer=1\r\n");
        return true;
    };
    const struct {
        const char* what;
        std::function<void()> arrange;
        SaveResult result;
        std::string file;
        double seconds;
    } cases[] = {
        {"missing file is never created", [&] { p.files.Delete(kDatabase); }, SaveResult::Missing, "<missing>", 0},
        {"another writer of ours keeps the lock", [&] { held = p.locks.TryLock(LockFileOf("C:\\ORVINTAL\\datex.dat")); },
         SaveResult::Busy, before, 10},
        {"another writer of ours ends in 3 s", [&] {
             held = p.locks.TryLock(LockFileOf(kDatabase));
             p.clock.Schedule(3, [&] { held.reset(); });
         }, SaveResult::Saved, after, 3},
        {"a peer holds the file open five times", [&] {
             refusals = 5;
             files.beforeReplace = [&] { return refusals-- <= 0; };
         }, SaveResult::Saved, after, 1.25},
        {"a peer keeps the file open", [&] { files.beforeReplace = [] { return false; }; }, SaveResult::Busy, before, 10},
        {"a peer writes while the new content is written",
         [&] { files.beforeWriteAll = [&](const std::string&) { peer(); return true; }; }, SaveResult::Saved,
         "[000]\r\nk=w\r\npeer=1\r\n", 0},
        {"a peer writes while it holds the file open", [&] { files.beforeReplace = [&] { return !peer(); }; },
         SaveResult::Saved, "[000]\r\nk=w\r\npeer=1\r\n", 0.25},
        {"a full disk leaves half a temporary file", [&] {
             files.beforeWriteAll = [&](const std::string& path) { p.files.Put(path, "half"); return false; };
         }, SaveResult::Failed, before, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Put(before);
        files.beforeWriteAll = nullptr;
        files.beforeReplace = nullptr;
        peerWrote = false;
        c.arrange();
        const double start = p.clock.Elapsed();
        EXPECT_EQ(Set("k", "w"), c.result);
        EXPECT_NEAR(p.clock.Elapsed() - start, c.seconds, 0.3);
        EXPECT_EQ(File(), c.file);
        held.reset();
        EXPECT_EQ(FolderFiles(), c.result == SaveResult::Missing ? std::vector<std::string>{}
                                                                 : std::vector<std::string>{"DATEX.DAT"});
        EXPECT_FALSE(p.locks.Held(LockFileOf(kDatabase)));
    }
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
