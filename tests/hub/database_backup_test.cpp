#include "hub/database_backup.h"

#include "hub/database_discovery.h"
#include "hub_fixture.h"

namespace kolvane {
namespace {

constexpr char kDat[] = "D:\\Daten\\DATEX.DAT";
constexpr char kBak[] = "D:\\Daten\\DATEX.BAK";
constexpr char kOld[] = "D:\\Daten\\DATEX.OLD";
constexpr FileTime kYesterday{2026, 12, 6, 17, 30, 0};
constexpr FileTime kToday{2026, 12, 7, 7, 45, 0};

std::string Database(const std::string& office) { return ConfiguredDatabase() + "[001]\r\nNAME=" + office + "\r\n"; }

// An installed system whose database lies in D:\Daten; the backup step of the start runs on it.
struct BackupSystem : InstalledSystem {
    BackupSystem() {
        hub.LrDatabase = "D:\\Daten\\";
        hub.Text1 = p.windows.Create(kCommandBoxClass, "", hub.Root);
    }
    void Put(const char* path, const std::optional<std::string>& bytes, std::optional<FileTime> time = {}) {
        if (bytes) p.files.Put(path, *bytes);
        if (bytes && time) p.files.SetModifiedTime(path, *time);
    }
    // True when it ended the process.
    bool Run() {
        return Ends([&] { RestoreOrRotateDatabase(hub); });
    }
    std::optional<std::string> Read(const char* path) { return p.files.ReadAll(path); }
};

TEST(DatabaseStateTest, OnlyAFileWithHeaderAndWithoutNulIsSound) {
    const std::pair<std::string, DatabaseState> cases[] = {
        {"", DatabaseState::NoDatabase},
        {"[001]\r\nNAME=x\r\n", DatabaseState::NoDatabase},
        {std::string(512, '\0'), DatabaseState::NoDatabase},
        {std::string("\0[000]\r\n", 8), DatabaseState::NoDatabase},
        {"[000]\r\n", DatabaseState::Sound},
        {"[000]\r\nA1=1\r\n[001]\r\nNAME=x\r\n", DatabaseState::Sound},
        {std::string("[000]\r\nA1=1\r\n\0\0\0\0", 17), DatabaseState::Damaged},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ClassifyDatabase(cases[i].first), cases[i].second);
    }
}

// Once a day the database becomes DATEX.BAK and DATEX.BAK becomes DATEX.OLD; a database that is no good
// never replaces a backup, a damaged backup never becomes the older one, and a rotation that fails half-way
// leaves every backup as it was.
TEST(DatabaseBackupTest, RotationKeepsTwoGoodGenerationsOncePerDay) {
    constexpr char kCannotRotate[] =
        "Die t\xE4gliche Datensicherung DATEX.BAK konnte nicht angelegt werden (Datentr\xE4ger voll, keine "
        "Schreibrechte oder die Datei wird von einem anderen Programm benutzt).\nDie bisherigen Datensicherungen "
        "bleiben erhalten.";
    const std::string heute = Database("heute"), gestern = Database("gestern"), vorgestern = Database("vorgestern");
    const auto none = std::optional<std::string>();
    struct Case {
        const char* name;
        std::string dat;
        std::optional<std::string> bak;
        FileTime bakTime;
        std::optional<std::string> old;
        const char* blocked;  // a folder where the rotation must write a file
        std::optional<std::string> bakAfter, oldAfter;
        double waited;
        const char* told;  // part of the one message, if any
    };
    const Case cases[] = {
        {"first start of a new day", heute, gestern, kYesterday, vorgestern, nullptr, heute, gestern, 1, nullptr},
        {"backup made earlier today", heute, gestern, kToday, vorgestern, nullptr, gestern, vorgestern, 0, nullptr},
        {"backup of the same date a year ago", heute, gestern, {2025, 12, 7, 7, 45, 0}, vorgestern, nullptr, heute,
         gestern, 1, nullptr},
        {"no backup yet", heute, none, kYesterday, vorgestern, nullptr, heute, vorgestern, 1, nullptr},
        {"damaged backup", heute, "", kYesterday, vorgestern, nullptr, heute, vorgestern, 1, nullptr},
        {"empty database", "", gestern, kYesterday, vorgestern, nullptr, gestern, vorgestern, 0, nullptr},
        {"database without header", "[001]\r\nNAME=x\r\n", gestern, kYesterday, vorgestern, nullptr, gestern,
         vorgestern, 0, nullptr},
        {"database with NUL bytes", ConfiguredDatabase() + std::string(64, '\0'), gestern, kYesterday, vorgestern,
         nullptr, gestern, vorgestern, 0, "DATEX.BAK und DATEX.OLD erhalten bleiben"},
        {"temporary file cannot be written", heute, gestern, kYesterday, vorgestern, "D:\\Daten\\DATEX.BAK.new\\x",
         gestern, vorgestern, 0, kCannotRotate},
        {"older backup cannot be replaced", heute, gestern, kYesterday, none, "D:\\Daten\\DATEX.OLD\\x", gestern, none,
         0, kCannotRotate},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BackupSystem s;
        s.p.files.Put(kDat, c.dat);
        s.Put(kBak, c.bak, c.bakTime);
        s.Put(kOld, c.old);
        if (c.blocked) s.p.files.Put(c.blocked, "");
        const double before = s.p.clock.Elapsed();

        EXPECT_FALSE(s.Run());

        EXPECT_EQ(s.Read(kDat), c.dat);
        EXPECT_EQ(s.Read(kBak), c.bakAfter);
        EXPECT_EQ(s.Read(kOld), c.oldAfter);
        EXPECT_FALSE(s.p.files.Exists("D:\\Daten\\DATEX.BAK.new") && !s.p.files.IsFolder("D:\\Daten\\DATEX.BAK.new"));
        EXPECT_NEAR(s.p.clock.Elapsed() - before, c.waited, 0.01);
        ASSERT_EQ(s.p.dialogs.shown.size(), c.told ? 1u : 0u);
        if (c.told) {
            EXPECT_NE(s.p.dialogs.shown[0].text.find(c.told), std::string::npos) << s.p.dialogs.shown[0].text;
        }
    }
}

TEST(DatabaseBackupTest, YesRestoresTheNewestGoodBackup) {
    const MessageBoxRequest restored{"Eine Sicherungsdatei der Datenbank wurde wiederhergestellt.   ",
                                     "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation};
    struct Case {
        const char* name;
        std::optional<std::string> bak;
        std::string old;
        std::optional<std::string> restored;
    };
    const Case cases[] = {
        {"newer backup wins", Database("gestern"), Database("vorgestern"), Database("gestern")},
        {"damaged newer backup: the older one", std::string("[000]\r\n\0", 8), Database("vorgestern"),
         Database("vorgestern")},
        {"both unusable", "", "[001]\r\n", std::nullopt},
        {"no backup: no question", std::nullopt, Database("vorgestern"), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BackupSystem s;
        s.Put(kBak, c.bak);
        s.Put(kOld, c.old);
        s.p.dialogs.answers = {MsgAnswer::Yes};

        EXPECT_FALSE(s.Run());

        EXPECT_EQ(s.Read(kDat), c.restored);
        EXPECT_EQ(s.Read(kBak), c.bak);
        EXPECT_EQ(s.Read(kOld), c.old);
        const auto& shown = s.p.dialogs.shown;
        ASSERT_EQ(shown.size(), c.bak ? 2u : 0u);
        if (!c.bak) continue;
        if (c.restored) {
            EXPECT_EQ(shown[1], restored);
        } else {
            EXPECT_EQ(shown[1].title, " Datenbankfehler");
            EXPECT_NE(shown[1].text.find("bleiben unver\xE4ndert"), std::string::npos);
        }
    }
}

TEST(DatabaseBackupTest, RestorePromptNamesTheBackupsTimeAndCancelClosesTheHub) {
    BackupSystem s;
    s.Put(kBak, Database("gestern"), kYesterday);
    s.p.dialogs.answers = {MsgAnswer::Cancel};

    EXPECT_TRUE(s.Run());

    EXPECT_EQ(s.p.dialogs.shown, (std::vector<MessageBoxRequest>{
                                     {"Die Datenbank von Orvintal wurde nicht gefunden. \n"
                                      "Klicken Sie ''Abbrechen'' um die Anwendung zu beenden, \n"
                                      "oder ''Nein'' um eine neue Datenbank zu erstellen.\n\n"
                                      "Eine Datenbanksicherung jetzt wiederherstellen ?\n"
                                      "[Backup vom: 06.12.2026 17:30:00]",
                                      "Brekkan Orvintal   ", MsgButtons::YesNoCancel, MsgIcon::Exclamation}}));
    EXPECT_EQ(s.Read("D:\\Daten\\EXIT.SUB"), "\r\n") << "the exit marker stays for the components";
    EXPECT_TRUE(SentClose(s.p, s.hub));
    EXPECT_EQ(s.Read(kBak), Database("gestern"));
    EXPECT_FALSE(s.p.files.Exists(kDat));
}

TEST(DatabaseBackupTest, NoBeginsANewDatabaseWithoutLosingTheBackup) {
    BackupSystem s;
    s.Put(kBak, Database("gestern"));
    s.p.dialogs.answers = {MsgAnswer::No};
    EXPECT_FALSE(s.Run());
    EXPECT_TRUE(s.hub.settings.Exists(Setting::FirstRun));
    EXPECT_EQ(s.hub.settings.ReadInt(Setting::FirstRun), 0);
    EXPECT_EQ(s.p.shell.recycled, (std::vector<std::string>{kBak}));
    EXPECT_FALSE(s.p.files.Exists(kDat));

    // The recycle bin of a share deletes for good: there the backup is set aside under the day's name.
    s.hub.LrDatabase = "\\\\srv\\lohn\\";
    for (const char* aside : {"\\\\srv\\lohn\\DATEX_2026.12.07.BAK", "\\\\srv\\lohn\\DATEX_2026.12.07_2.BAK"}) {
        SCOPED_TRACE(aside);
        s.p.files.Put("\\\\srv\\lohn\\DATEX.BAK", Database(aside));
        s.p.dialogs.answers = {MsgAnswer::No};
        s.Run();
        EXPECT_FALSE(s.p.files.Exists("\\\\srv\\lohn\\DATEX.BAK"));
        EXPECT_EQ(s.p.files.ReadAll(aside), Database(aside));
    }
    EXPECT_EQ(s.p.shell.recycled.size(), 1u);
}

TEST(DatabaseBackupTest, CopyNeverLeavesTheTargetHalfWritten) {
    BackupSystem s;
    s.p.files.Put(kBak, Database("gestern"));
    s.p.files.Put(kDat, Database("heute"));
    s.p.files.Put(kOld, "");
    EXPECT_EQ(CopyDatabase(s.p.files, "D:\\Daten\\FEHLT.BAK", kDat), CopyResult::Failed);
    EXPECT_EQ(CopyDatabase(s.p.files, kOld, kDat), CopyResult::Unsound);
    s.p.files.Put("D:\\Daten\\DATEX.DAT.new\\x", "");  // the temporary file cannot be written
    EXPECT_EQ(CopyDatabase(s.p.files, kBak, kDat), CopyResult::Failed);
    EXPECT_EQ(s.Read(kDat), Database("heute"));
}

}  // namespace
}  // namespace kolvane
