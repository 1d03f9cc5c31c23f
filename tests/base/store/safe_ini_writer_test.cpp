#include "store/safe_ini_writer.h"

#include "store_fixture.h"

namespace kolvane {
namespace {

using SafeIniWriterTest = StoreTest;

// Whatever goes wrong, the file is whole: as it was, or with the edit and every other byte kept, and a
// peer's write in the meantime kept too. No temporary or lock file is left, and every wait ends in time.
TEST_F(SafeIniWriterTest, TheFileIsNeverHalfWrittenAndWaitsEnd) {
    const std::string before = "; by hand\n\n[000]\r\nk=v\n  odd\r\n[001]\rB=2\r\n[000]\r\nk=later\r\nlast=no break";
    const std::string after = "; by hand\n\n[000]\r\nk=w\n  odd\r\n[001]\rB=2\r\n[000]\r\nk=later\r\nlast=no break";
    const std::string peers = "[000]\r\nk=v\r\npeer=1\r\n";
    auto Set = [&](const std::string& key, const std::string& path = kDatabase) {
        return EditIniFile(files, p.clock, p.locks, path, [&](IniDocument& doc) { return doc.Write("000", key, "w"); });
    };
    std::unique_ptr<HeldFileLock> held;
    int refusals = 0;
    auto peer = [&] { return refusals++ == 0 ? (p.files.Put(kDatabase, peers), true) : false; };  // writes once
    const struct { const char* what; std::function<void()> arrange; SaveResult result; std::string file;
                   double seconds = 0; std::string key = "k"; } cases[] = {
        {"the file is missing: it is not created", [&] { p.files.Delete(kDatabase); }, SaveResult::Missing,
         "<missing>"},
        {"the value is as wanted", [&] { Put(after), beforeReplace = [] { return ADD_FAILURE(), false; }; },
         SaveResult::Saved, after},
        {"the edit is refused", [] {}, SaveResult::Refused, before, 0, "bad=key"},
        {"another writer of ours keeps the lock",
         [&] { held = p.locks.TryLock(LockFileOf("C:\\ORVINTAL\\datex.dat")); }, SaveResult::Busy, before, 10},
        {"another writer of ours ends in 3 s", [&] {
             held = p.locks.TryLock(LockFileOf(kDatabase));
             p.clock.Schedule(3, [&] { held.reset(); });
         }, SaveResult::Saved, after, 3},
        {"a peer holds the file open five times", [&] { beforeReplace = [&] { return ++refusals > 5; }; },
         SaveResult::Saved, after, 1.25},
        {"a peer keeps the file open", [&] { beforeReplace = [] { return false; }; }, SaveResult::Busy, before,
         10},
        {"a peer writes while the new content is written",
         [&] { beforeWriteAll = [&](const std::string&) { return peer() || true; }; }, SaveResult::Saved,
         "[000]\r\nk=w\r\npeer=1\r\n"},
        {"a peer writes while it holds the file open", [&] { beforeReplace = [&] { return !peer(); }; },
         SaveResult::Saved, "[000]\r\nk=w\r\npeer=1\r\n", 0.25},
        {"a peer's profile write has emptied the file for a moment",
         [&] { p.files.Put(kDatabase, ""), p.clock.Schedule(1, [&] { Put(before); }); }, SaveResult::Saved, after, 1},
        {"a full disk leaves half a temporary file", [&] {
             beforeWriteAll = [&](const std::string& path) { return p.files.Put(path, "half"), false; };
         }, SaveResult::Failed, before},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Put(before), beforeWriteAll = nullptr, beforeReplace = nullptr, refusals = 0;
        c.arrange();
        const double start = p.clock.Elapsed();
        EXPECT_EQ(Set(c.key), c.result);
        EXPECT_NEAR(p.clock.Elapsed() - start, c.seconds, 0.3);
        EXPECT_EQ(File(), c.file);
        held.reset();
        EXPECT_EQ(p.files.List("C:\\Orvintal", "*").size(), c.result == SaveResult::Missing ? 0u : 1u);
        EXPECT_FALSE(p.locks.Held(LockFileOf(kDatabase)));
    }
    p.files.CreateFolder("C:\\Orvintal\\FOLDER.DAT");
    EXPECT_EQ(Set("k", "C:\\Orvintal\\FOLDER.DAT"), SaveResult::Failed);
}

}  // namespace
}  // namespace kolvane
