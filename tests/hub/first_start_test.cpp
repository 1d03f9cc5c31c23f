#include "hub/database_discovery.h"
#include "hub/startup_sequence.h"
#include "hub_fixture.h"

namespace kolvane {
namespace {

using Started = MemoryShell::Started;
using Executed = MemoryShell::Executed;

constexpr char kWelcome[] =
    "Der Assistent f\xFCr den Ersten Start und die Konfiguration von Orvintal wird nun gestartet. Geben Sie die "
    "Informationen zur Beratungsstelle und den Steuerspar-Programmen an und aktivieren die gew\xFCnschte "
    "Einstellungen.";
constexpr char kNewDatabase[] = "[000]\r\n";

class FirstStartTest : public HubTest {
protected:
    FirstStartTest() {
        hub.LrDatabase = "D:\\Daten\\";
        p.kernel.commandLine = "/q";
        p.files.Put("C:\\Orvintal\\HUBAGENT.EXE", "");
        p.files.Put("C:\\Orvintal\\DATA\\NEWDATA.DAT", kNewDatabase);
        p.files.Put("D:\\Daten\\Belege\\Beleg.pdf", "");
    }
    // Runs the first-use check; true when it closed the hub.
    bool Run() {
        try {
            return RunFirstStartAssistantIfNew(hub);
        } catch (const ProcessTerminated&) {
            return true;
        }
    }
    // Runs CheckDatenbank; true when it closed the hub.
    bool Check() {
        try {
            return CheckDatenbank(hub);
        } catch (const ProcessTerminated&) {
            return true;
        }
    }
    bool AgentStarted() {
        return p.shell.executed ==
               std::vector<Executed>{{"runas", "C:\\Orvintal\\HUBAGENT.EXE", "/q/admin", "", ShowState::Normal}};
    }
    bool ClosedHub() { return SentClose(p, hub); }
};

TEST_F(FirstStartTest, ConfiguredDatabaseGoesOn) {
    p.files.Put("D:\\Daten\\DATEX.DAT", ConfiguredDatabase());
    EXPECT_FALSE(Run());
    EXPECT_TRUE(p.dialogs.shown.empty());
    EXPECT_TRUE(p.shell.executed.empty());
}

TEST_F(FirstStartTest, MissingDatabaseIsCreatedFromTheDeliveredOneAndHandedToTheAgent) {
    EXPECT_TRUE(Run());
    EXPECT_EQ(p.dialogs.shown,
              (std::vector<MessageBoxRequest>{{kWelcome, " Herzlich Willkommen", MsgButtons::Ok, MsgIcon::Information}}));
    EXPECT_EQ(p.files.ReadAll("D:\\Daten\\DATEX.DAT"), kNewDatabase);
    EXPECT_TRUE(AgentStarted());
    EXPECT_TRUE(ClosedHub());
    EXPECT_EQ(hub.LrDatabase, "D:\\Daten\\");
}

TEST_F(FirstStartTest, NewDatabaseThatExistsIsHandedToTheAgentUnchanged) {
    const std::string unconfigured = "[000]\r\n" + *Crypt("BS1") + "=" + *Crypt("Musterstadt") + "\r\n";
    p.files.Put("D:\\Daten\\DATEX.DAT", unconfigured);
    EXPECT_TRUE(Run());
    EXPECT_EQ(p.files.ReadAll("D:\\Daten\\DATEX.DAT"), unconfigured);
    EXPECT_TRUE(AgentStarted());
    EXPECT_TRUE(ClosedHub());
}

TEST_F(FirstStartTest, DatabaseInTheProgramFolderMovesToTheDocumentsFolder) {
    struct Case {
        const char* name;
        const char* programFolderCase;
        std::optional<std::string> inDocuments;  // a database there already
    };
    const Case cases[] = {
        {"nothing there yet", "C:\\Orvintal\\", std::nullopt},
        {"written in other letters", "c:\\ORVINTAL\\", std::nullopt},
        {"a configured database there is kept", "C:\\Orvintal\\", ConfiguredDatabase()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem other;
        other.p.files.Delete("C:\\Orvintal\\DATEX.DAT");
        other.p.files.Put("C:\\Orvintal\\DATA\\NEWDATA.DAT", kNewDatabase);
        if (c.inDocuments) other.p.files.Put("C:\\Documents\\DATEX.DAT", *c.inDocuments);
        other.hub.LrDatabase = c.programFolderCase;

        RunFirstStartAssistantIfNew(other.hub);

        EXPECT_EQ(other.hub.settings.ReadText(Setting::Database), "C:\\Documents\\");
        EXPECT_EQ(other.hub.LrDatabase, "C:\\Documents\\");
        EXPECT_TRUE(other.p.files.IsFolder("C:\\Documents"));
        EXPECT_EQ(other.p.files.ReadAll("C:\\Documents\\DATEX.DAT"), c.inDocuments ? *c.inDocuments : kNewDatabase);
        EXPECT_FALSE(other.p.files.Exists("C:\\Orvintal\\DATEX.DAT"));
    }
}

TEST_F(FirstStartTest, ExistingDatabaseThatCannotBeReadIsNeverOverwritten) {
    struct Case {
        const char* name;
        std::string bytes;
        bool folder;  // cannot be opened at all
    };
    const Case cases[] = {
        {"empty", "", false},
        {"damaged header", "[0", false},
        {"NUL bytes in place of the header", std::string(4096, '\0'), false},
        {"NUL bytes and no configuration", std::string("[000]\r\n\0\0", 9), false},
        {"cannot be opened", "", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem other;
        other.hub.Text1 = other.p.windows.Create(kCommandBoxClass, "", other.hub.Root);
        other.hub.LrDatabase = "D:\\Daten\\";
        other.p.files.Put("C:\\Orvintal\\HUBAGENT.EXE", "");
        other.p.files.Put("C:\\Orvintal\\DATA\\NEWDATA.DAT", kNewDatabase);
        if (c.folder)
            other.p.files.Put("D:\\Daten\\DATEX.DAT\\x", "");
        else
            other.p.files.Put("D:\\Daten\\DATEX.DAT", c.bytes);

        EXPECT_TRUE(RunFirstStartAssistantIfNew(other.hub));

        if (!c.folder) {
            EXPECT_EQ(other.p.files.ReadAll("D:\\Daten\\DATEX.DAT"), c.bytes);
        }
        ASSERT_EQ(other.p.dialogs.shown.size(), 1u);
        EXPECT_EQ(other.p.dialogs.shown[0],
                  (MessageBoxRequest{"Die Datenbank D:\\Daten\\DATEX.DAT ist vorhanden, kann aber nicht gelesen "
                                     "werden (gesperrt, leer oder besch\xE4" "digt).\nSie wird nicht ver\xE4ndert, und "
                                     "die Datensicherungen bleiben erhalten.\nBitte pr\xFC" "fen Sie die Datei oder die "
                                     "Verbindung zum Server und starten Sie Orvintal danach erneut.",
                                     " Datenbankfehler", MsgButtons::Ok, MsgIcon::Exclamation}));
        EXPECT_TRUE(other.p.shell.executed.empty()) << "no assistant";
        EXPECT_TRUE(SentClose(other.p, other.hub));
        EXPECT_EQ(other.hub.settings.ReadText(Setting::Database), "C:\\Orvintal\\");
    }
}

TEST_F(FirstStartTest, EmptyDatabaseAtTheStartIsReportedOnceAndTheBackupsStay) {
    InstalledSystem other;
    other.p.files.Put("C:\\Orvintal\\DATEX.DAT", "");
    other.p.files.Put("C:\\Orvintal\\DATEX.BAK", ConfiguredDatabase());
    other.p.files.SetModifiedTime("C:\\Orvintal\\DATEX.BAK", {2026, 12, 6, 18, 0, 0});
    other.p.files.Put("C:\\Orvintal\\DATEX.OLD", ConfiguredDatabase() + "[001]\r\n");

    RunStartup(other.hub);

    ASSERT_EQ(other.p.dialogs.shown.size(), 1u);
    EXPECT_EQ(other.p.dialogs.shown[0].title, " Datenbankfehler");
    EXPECT_EQ(other.p.files.ReadAll("C:\\Orvintal\\DATEX.DAT"), "");
    EXPECT_EQ(other.p.files.ReadAll("C:\\Orvintal\\DATEX.BAK"), ConfiguredDatabase());
    EXPECT_EQ(other.p.files.ReadAll("C:\\Orvintal\\DATEX.OLD"), ConfiguredDatabase() + "[001]\r\n");
    EXPECT_FALSE(other.hub.settings.Exists(Setting::Quickwrite)) << "the start ended";
}

TEST_F(FirstStartTest, UnreachableNetworkFolderNeverLeadsToTheAssistant) {
    hub.LrDatabase = "\\\\srv\\lohn\\";
    EXPECT_TRUE(Run());
    ASSERT_EQ(p.dialogs.shown.size(), 1u);
    EXPECT_EQ(p.dialogs.shown[0].text,
              "Der Datenbankordner \\\\srv\\lohn\\ im Netzwerk ist nicht erreichbar.\nEs wird keine neue Datenbank "
              "angelegt. Bitte pr\xFC" "fen Sie die Verbindung zum Server und starten Sie Orvintal danach erneut.");
    EXPECT_TRUE(p.shell.executed.empty());
    EXPECT_FALSE(p.files.Exists("\\\\srv\\lohn\\DATEX.DAT"));
    EXPECT_TRUE(ClosedHub());
}

TEST_F(FirstStartTest, ReachableNetworkFolderGetsTheNewDatabase) {
    hub.LrDatabase = "\\\\srv\\lohn\\";
    p.files.Put("\\\\srv\\lohn\\Belege\\Beleg.pdf", "");
    EXPECT_TRUE(Run());
    EXPECT_EQ(p.files.ReadAll("\\\\srv\\lohn\\DATEX.DAT"), kNewDatabase);
    EXPECT_TRUE(AgentStarted());
}

TEST_F(FirstStartTest, CheckDatenbankHandsAnUnconfiguredDatabaseToTheAgent) {
    p.files.Put("D:\\Daten\\DATEX.DAT", kNewDatabase);
    EXPECT_TRUE(Check());
    EXPECT_EQ(p.dialogs.shown, (std::vector<MessageBoxRequest>{
                                   {"Bitte geben Sie nachfolgenden Ihre Beratungsstellen ein. \n"
                                    "F\xFCr sp\xE4tere \xC4nderungen benutzen Sie bitte den Men\xFCpunkt \n"
                                    "Beratungsstellen in Ihrem Orvintal Explorer.",
                                    " Herzlich Willkommen", MsgButtons::Ok, MsgIcon::Information}}));
    EXPECT_EQ(p.shell.started, (std::vector<Started>{{"\"C:\\Orvintal\\HUBAGENT.EXE\"", ShowState::Normal}}));
    EXPECT_TRUE(ClosedHub());
}

TEST_F(FirstStartTest, CheckDatenbankKeepsTheMemberNumberBlocks) {
    std::string database = "[000]\r\n";
    for (const auto& [key, value] : {std::pair{"A1", "5"}, {"A2", "400"}, {"B1", "x"}, {"B2", "2500"}})
        database += *Crypt(key) + "=" + *Crypt(value) + "\r\n";
    p.files.Put("D:\\Daten\\DATEX.DAT", database);
    EXPECT_FALSE(Check());
    EXPECT_EQ(hub.memberRanges, (MemberRanges{5, 400, 1000, 2500}));
    EXPECT_FALSE(ClosedHub());
}

}  // namespace
}  // namespace kolvane
