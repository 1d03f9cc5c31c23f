#include "hub/database_backup.h"

#include "app/database_discovery.h"
#include "hub_fixture.h"

namespace kolvane {
namespace {

constexpr char kDat[] = "D:\\Daten\\DATEX.DAT";
constexpr char kBak[] = "D:\\Daten\\DATEX.BAK";
constexpr char kOld[] = "D:\\Daten\\DATEX.OLD";

std::string Database(const std::string& office) { return ConfiguredDatabase() + "[001]\r\nNAME=" + office + "\r\n"; }

// An installed system whose database lies in D:\Daten; the backup step of the start runs on it.
struct BackupSystem : InstalledSystem {
    BackupSystem() { hub.LrDatabase = "D:\\Daten\\"; }
    void Put(const char* path, const std::optional<std::string>& bytes, FileTime time = {2026, 12, 6, 17, 30, 0}) {
        if (bytes) p.files.Put(path, *bytes), p.files.SetModifiedTime(path, time);
    }
    bool Run(MsgAnswer answer = MsgAnswer::Ok) {
        p.dialogs.answers = {answer};
        return Ends([&] { RestoreOrRotateDatabase(hub); });
    }
    std::optional<std::string> Read(const std::string& path) { return p.files.ReadAll(path); }
};

// Once a day the database becomes DATEX.BAK and DATEX.BAK becomes DATEX.OLD; a database that is no good never
// replaces a backup, and a damaged backup never becomes the older one. Without a database the user is asked: Yes
// restores the newer good backup, else the older one, never a damaged one; the backups stay as they are.
TEST(DatabaseBackupTest, RotationKeepsTwoGoodGenerationsAndRestoreTakesTheNewestGoodOne) {
    const std::string heute = Database("heute"), gestern = Database("gestern"), vorgestern = Database("vorgestern");
    const std::string damaged("[000]\r\n\0", 8);
    const std::optional<std::string> none;
    const char *kept = "erhalten", *restored = "|Brekkan Orvintal   |", *failed = "| Datenbankfehler|";
    struct Case { std::optional<std::string> dat, bak; int bakDay; std::optional<std::string> old;
                  std::optional<std::string> datAfter, bakAfter, oldAfter; double waited; std::size_t told; const char* last; };
    const Case cases[] = {
        {heute, gestern, 6, vorgestern, heute, heute, gestern, 1, 0, nullptr},          // a new day
        {heute, gestern, 7, vorgestern, heute, gestern, vorgestern, 0, 0, nullptr},     // backup made today
        {heute, none, 6, vorgestern, heute, heute, vorgestern, 1, 0, nullptr},          // no backup yet
        {heute, "", 6, vorgestern, heute, heute, vorgestern, 1, 0, nullptr},            // damaged backup
        {"", gestern, 6, vorgestern, "", gestern, vorgestern, 2, 0, nullptr},           // empty: a peer's write is waited for
        {ConfiguredDatabase() + std::string(64, '\0'), gestern, 6, vorgestern, ConfiguredDatabase() + std::string(64, '\0'),
         gestern, vorgestern, 0, 1, kept},
        {none, gestern, 6, vorgestern, gestern, gestern, vorgestern, 1, 2, restored},
        {none, damaged, 6, vorgestern, vorgestern, damaged, vorgestern, 1, 2, restored},
        {none, "", 6, "[001]\r\n", none, "", "[001]\r\n", 1, 2, failed},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(i);
        BackupSystem s;
        s.Put(kDat, c.dat);
        s.Put(kBak, c.bak, {2026, 12, c.bakDay, 7, 45, 0});
        s.Put(kOld, c.old);

        EXPECT_FALSE(s.Run(MsgAnswer::Yes));

        EXPECT_EQ(std::tuple(s.Read(kDat), s.Read(kBak), s.Read(kOld)), std::tuple(c.datAfter, c.bakAfter, c.oldAfter));
        EXPECT_FALSE(s.p.files.Exists("D:\\Daten\\DATEX.BAK.new") && !s.p.files.IsFolder("D:\\Daten\\DATEX.BAK.new"));
        EXPECT_NEAR(s.p.clock.Elapsed(), c.waited, 0.01);
        ASSERT_EQ(s.p.dialogs.shown.size(), c.told);
        const MessageBoxRequest* last = c.told ? &s.p.dialogs.shown.back() : nullptr;
        EXPECT_TRUE(!last || ("|" + last->title + "|" + last->text).find(c.last) != std::string::npos);
    }
}

// Cancel quits, leaving the exit marker for the components; No on a share (whose recycle bin deletes for good) sets
// the backup aside under the day's name (No on a local disk: the restore scenario). The copy never leaves its
// target half-written.
TEST(DatabaseBackupTest, CancelAndNoKeepTheBackup) {
    BackupSystem s;
    s.Put(kBak, Database("gestern"));
    EXPECT_TRUE(s.Run(MsgAnswer::Cancel));
    ASSERT_EQ(s.p.dialogs.shown.size(), 1u);
    EXPECT_TRUE(s.p.dialogs.shown[0].text.ends_with("herstellen ?\n[Backup vom: 06.12.2026 17:30:00]"));
    EXPECT_EQ(std::tuple(s.p.dialogs.shown[0].buttons, s.Read("D:\\Daten\\EXIT.SUB"), SentClose(s.p, s.hub), s.Read(kBak)),
              std::tuple(MsgButtons::YesNoCancel, "\r\n", true, Database("gestern")));

    s.hub.LrDatabase = "\\\\srv\\lohn\\";
    for (const char* aside : {"\\\\srv\\lohn\\DATEX_2026.12.07.BAK", "\\\\srv\\lohn\\DATEX_2026.12.07_2.BAK"}) {
        s.Put("\\\\srv\\lohn\\DATEX.BAK", Database(aside));
        s.Run(MsgAnswer::No);
        EXPECT_FALSE(s.p.files.Exists("\\\\srv\\lohn\\DATEX.BAK"));
        EXPECT_EQ(s.Read(aside), Database(aside));
    }
    EXPECT_TRUE(s.p.shell.recycled.empty());

    s.Put(kDat, Database("heute"));
    s.Put(kOld, "");
    EXPECT_EQ(CopyDatabase(s.p.files, "D:\\Daten\\FEHLT.BAK", kDat), CopyResult::Unreadable);
    EXPECT_EQ(CopyDatabase(s.p.files, kOld, kDat), CopyResult::Unsound);
}

}  // namespace
}  // namespace kolvane
