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

class DatabaseBackupTest : public HubTest {
protected:
    DatabaseBackupTest() {
        Install();
        hub.LrDatabase = "D:\\Daten\\";
    }
    // Runs the backup step of the start; true when it ended the process.
    bool Run() {
        try {
            RestoreOrRotateDatabase(hub);
            return false;
        } catch (const ProcessTerminated&) {
            return true;
        }
    }
    std::optional<std::string> Read(const char* path) { return p.files.ReadAll(path); }
    void PutBackups() {
        p.files.Put(kBak, Database("gestern"));
        p.files.SetModifiedTime(kBak, kYesterday);
        p.files.Put(kOld, Database("vorgestern"));
    }
};

TEST(DatabaseStateTest, OnlyAFileWithHeaderAndWithoutNulIsSound) {
    struct Case {
        std::string bytes;
        DatabaseState state;
    };
    const Case cases[] = {
        {"", DatabaseState::NoDatabase},
        {"\r\n", DatabaseState::NoDatabase},
        {"[001]\r\nNAME=x\r\n", DatabaseState::NoDatabase},
        {std::string(512, '\0'), DatabaseState::NoDatabase},
        {"[000]\r\n", DatabaseState::Sound},
        {"[000]\r\nA1=1\r\n[001]\r\nNAME=x\r\n", DatabaseState::Sound},
        {std::string("[000]\r\nA1=1\r\n\0\0\0\0", 17), DatabaseState::Damaged},
        {std::string("\0[000]\r\n", 8), DatabaseState::NoDatabase},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ClassifyDatabase(cases[i].bytes), cases[i].state);
    }
}

TEST_F(DatabaseBackupTest, RotationKeepsTwoGenerationsOncePerDay) {
    struct Case {
        const char* name;
        std::optional<FileTime> backupTime;  // no backup when empty
        bool rotated;
    };
    const Case cases[] = {
        {"first start of a new day", kYesterday, true},
        {"backup made earlier today", kToday, false},
        {"backup of the same date a year ago", FileTime{2025, 12, 7, 7, 45, 0}, true},
        {"no backup yet", std::nullopt, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem other;
        other.hub.LrDatabase = "D:\\Daten\\";
        other.p.files.Put(kDat, Database("heute"));
        other.p.files.Put(kOld, Database("vorgestern"));
        if (c.backupTime) {
            other.p.files.Put(kBak, Database("gestern"));
            other.p.files.SetModifiedTime(kBak, *c.backupTime);
        }
        const double before = other.p.clock.Elapsed();

        RestoreOrRotateDatabase(other.hub);

        const std::string expectedOld = c.rotated && c.backupTime ? Database("gestern") : Database("vorgestern");
        const std::string expectedBak = c.rotated ? Database("heute") : Database("gestern");
        EXPECT_EQ(other.p.files.ReadAll(kOld), expectedOld);
        EXPECT_EQ(other.p.files.ReadAll(kBak), expectedBak);
        EXPECT_EQ(other.p.files.ReadAll(kDat), Database("heute"));
        EXPECT_FALSE(other.p.files.Exists("D:\\Daten\\DATEX.BAK.new"));
        EXPECT_NEAR(other.p.clock.Elapsed() - before, c.rotated ? 1 : 0, 0.01);
        EXPECT_TRUE(other.p.dialogs.shown.empty());
    }
}

TEST_F(DatabaseBackupTest, DatabaseThatIsNoGoodNeverReplacesABackup) {
    struct Case {
        const char* name;
        std::string database;
        bool told;  // a database without header is reported by the first-use check, which ends the start
    };
    const Case cases[] = {
        {"empty", "", false},
        {"without header", "[001]\r\nNAME=x\r\n", false},
        {"with NUL bytes", ConfiguredDatabase() + std::string(64, '\0'), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem other;
        other.hub.LrDatabase = "D:\\Daten\\";
        other.p.files.Put(kDat, c.database);
        other.p.files.Put(kBak, Database("gestern"));
        other.p.files.SetModifiedTime(kBak, kYesterday);
        other.p.files.Put(kOld, Database("vorgestern"));

        RestoreOrRotateDatabase(other.hub);

        EXPECT_EQ(other.p.files.ReadAll(kBak), Database("gestern"));
        EXPECT_EQ(other.p.files.ReadAll(kOld), Database("vorgestern"));
        EXPECT_EQ(other.p.files.ReadAll(kDat), c.database);
        ASSERT_EQ(other.p.dialogs.shown.size(), c.told ? 1u : 0u);
        if (c.told) {
            EXPECT_EQ(other.p.dialogs.shown[0].title, " Datenbankfehler");
            EXPECT_NE(other.p.dialogs.shown[0].text.find("DATEX.BAK und DATEX.OLD erhalten bleiben"), std::string::npos);
        }
    }
}

TEST_F(DatabaseBackupTest, DamagedBackupIsReplacedButNeverBecomesTheOlderOne) {
    p.files.Put(kDat, Database("heute"));
    p.files.Put(kBak, "");
    p.files.SetModifiedTime(kBak, kYesterday);
    p.files.Put(kOld, Database("vorgestern"));
    Run();
    EXPECT_EQ(Read(kBak), Database("heute"));
    EXPECT_EQ(Read(kOld), Database("vorgestern"));
}

TEST_F(DatabaseBackupTest, FailedRotationLeavesEveryBackupAsItWas) {
    struct Case {
        const char* name;
        const char* blockedFolder;  // a folder where the rotation must write a file
    };
    for (const Case& c : {Case{"temporary file cannot be written", "D:\\Daten\\DATEX.BAK.new\\x"},
                          Case{"older backup cannot be replaced", "D:\\Daten\\DATEX.OLD\\x"}}) {
        SCOPED_TRACE(c.name);
        InstalledSystem other;
        other.hub.LrDatabase = "D:\\Daten\\";
        other.p.files.Put(kDat, Database("heute"));
        other.p.files.Put(kBak, Database("gestern"));
        other.p.files.SetModifiedTime(kBak, kYesterday);
        other.p.files.Put(c.blockedFolder, "");

        RestoreOrRotateDatabase(other.hub);

        EXPECT_EQ(other.p.files.ReadAll(kBak), Database("gestern"));
        EXPECT_EQ(other.p.files.ReadAll(kDat), Database("heute"));
        EXPECT_FALSE(other.p.files.Exists("D:\\Daten\\DATEX.BAK.new") &&
                     !other.p.files.IsFolder("D:\\Daten\\DATEX.BAK.new"));
        ASSERT_EQ(other.p.dialogs.shown.size(), 1u);
        EXPECT_EQ(other.p.dialogs.shown[0].text,
                  "Die t\xE4gliche Datensicherung DATEX.BAK konnte nicht angelegt werden (Datentr\xE4ger voll, keine "
                  "Schreibrechte oder die Datei wird von einem anderen Programm benutzt).\nDie bisherigen "
                  "Datensicherungen bleiben erhalten.");
    }
}

TEST_F(DatabaseBackupTest, RestorePromptNamesTheBackupsTime) {
    PutBackups();
    p.dialogs.answers = {MsgAnswer::Yes};
    Run();
    ASSERT_FALSE(p.dialogs.shown.empty());
    EXPECT_EQ(p.dialogs.shown[0],
              (MessageBoxRequest{"Die Datenbank von Orvintal wurde nicht gefunden. \n"
                                 "Klicken Sie ''Abbrechen'' um die Anwendung zu beenden, \n"
                                 "oder ''Nein'' um eine neue Datenbank zu erstellen.\n\n"
                                 "Eine Datenbanksicherung jetzt wiederherstellen ?\n"
                                 "[Backup vom: 06.12.2026 17:30:00]",
                                 "Brekkan Orvintal   ", MsgButtons::YesNoCancel, MsgIcon::Exclamation}));
}

TEST_F(DatabaseBackupTest, NoPromptWithoutBackup) {
    p.files.Put(kOld, Database("vorgestern"));
    EXPECT_FALSE(Run());
    EXPECT_TRUE(p.dialogs.shown.empty());
    EXPECT_FALSE(p.files.Exists(kDat));
}

TEST_F(DatabaseBackupTest, YesRestoresTheNewestGoodBackup) {
    struct Case {
        const char* name;
        std::string bak, old;
        std::optional<std::string> restored;
    };
    const Case cases[] = {
        {"newer backup wins", Database("gestern"), Database("vorgestern"), Database("gestern")},
        {"damaged newer backup: the older one", std::string("[000]\r\n\0", 8), Database("vorgestern"),
         Database("vorgestern")},
        {"both unusable", "", "[001]\r\n", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem other;
        other.hub.LrDatabase = "D:\\Daten\\";
        other.p.files.Put(kBak, c.bak);
        other.p.files.Put(kOld, c.old);
        other.p.dialogs.answers = {MsgAnswer::Yes};

        RestoreOrRotateDatabase(other.hub);

        EXPECT_EQ(other.p.files.ReadAll(kDat), c.restored);
        EXPECT_EQ(other.p.files.ReadAll(kBak), c.bak);
        EXPECT_EQ(other.p.files.ReadAll(kOld), c.old);
        ASSERT_EQ(other.p.dialogs.shown.size(), 2u);
        if (c.restored) {
            EXPECT_EQ(other.p.dialogs.shown[1],
                      (MessageBoxRequest{"Eine Sicherungsdatei der Datenbank wurde wiederhergestellt.   ",
                                         "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation}));
        } else {
            EXPECT_EQ(other.p.dialogs.shown[1].title, " Datenbankfehler");
            EXPECT_NE(other.p.dialogs.shown[1].text.find("bleiben unver\xE4ndert"), std::string::npos);
        }
    }
}

TEST_F(DatabaseBackupTest, NoBeginsANewDatabaseWithoutLosingTheBackup) {
    PutBackups();
    p.dialogs.answers = {MsgAnswer::No};
    EXPECT_FALSE(Run());
    EXPECT_EQ(hub.settings.ReadInt(Setting::FirstRun), 0);
    EXPECT_TRUE(hub.settings.Exists(Setting::FirstRun));
    EXPECT_EQ(p.shell.recycled, (std::vector<std::string>{kBak}));
    EXPECT_FALSE(p.files.Exists(kDat));
}

TEST_F(DatabaseBackupTest, NoOnANetworkFolderSetsTheBackupAsideWithTheDate) {
    hub.LrDatabase = "\\\\srv\\lohn\\";
    for (const char* aside : {"\\\\srv\\lohn\\DATEX_2026.12.07.BAK", "\\\\srv\\lohn\\DATEX_2026.12.07_2.BAK"}) {
        SCOPED_TRACE(aside);
        p.files.Put("\\\\srv\\lohn\\DATEX.BAK", Database(aside));
        p.dialogs.answers = {MsgAnswer::No};
        Run();
        EXPECT_FALSE(p.files.Exists("\\\\srv\\lohn\\DATEX.BAK"));
        EXPECT_EQ(p.files.ReadAll(aside), Database(aside));
    }
    EXPECT_TRUE(p.shell.recycled.empty()) << "the recycle bin of a share deletes for good";
}

TEST_F(DatabaseBackupTest, CancelLeavesTheExitMarkerAndClosesTheHub) {
    PutBackups();
    p.dialogs.answers = {MsgAnswer::Cancel};
    EXPECT_TRUE(Run());
    EXPECT_EQ(Read("D:\\Daten\\EXIT.SUB"), "\r\n");
    EXPECT_TRUE(SentClose(p, hub));
    EXPECT_EQ(Read(kBak), Database("gestern"));
    EXPECT_FALSE(p.files.Exists(kDat));
}

TEST_F(DatabaseBackupTest, CopyNeverLeavesTheTargetHalfWritten) {
    p.files.Put(kBak, Database("gestern"));
    p.files.Put(kDat, Database("heute"));
    EXPECT_EQ(CopyDatabase(p.files, "D:\\Daten\\FEHLT.BAK", kDat), CopyResult::Failed);
    p.files.Put(kOld, "");
    EXPECT_EQ(CopyDatabase(p.files, kOld, kDat), CopyResult::Unsound);
    p.files.Put("D:\\Daten\\DATEX.DAT.new\\x", "");  // the temporary file cannot be written
    EXPECT_EQ(CopyDatabase(p.files, kBak, kDat), CopyResult::Failed);
    EXPECT_EQ(Read(kDat), Database("heute"));
}

}  // namespace
}  // namespace kolvane
