#include "hub/database_discovery.h"
#include "hub/startup_sequence.h"
#include "hub_fixture.h"

namespace kolvane {
namespace {

using Executed = MemoryShell::Executed;

constexpr char kWelcome[] =
    "Der Assistent f\xFCr den Ersten Start und die Konfiguration von Orvintal wird nun gestartet. Geben Sie die "
    "Informationen zur Beratungsstelle und den Steuerspar-Programmen an und aktivieren die gew\xFCnschte "
    "Einstellungen.";
constexpr char kUnreachable[] =
    "Der Datenbankordner \\\\srv\\lohn\\ im Netzwerk ist nicht erreichbar.\nEs wird keine neue Datenbank "
    "angelegt. Bitte pr\xFC" "fen Sie die Verbindung zum Server und starten Sie Orvintal danach erneut.";
constexpr char kNewDatabase[] = "[000]\r\n";

// An installed system at the end of its start, its database in the given folder: the agent and the delivered
// empty database are there, the hub's command line is "/q".
struct FirstStartSystem : InstalledSystem {
    explicit FirstStartSystem(const char* folder = "D:\\Daten\\") {
        hub.Text1 = p.windows.Create(kCommandBoxClass, "", hub.Root);
        hub.LrDatabase = folder;
        p.kernel.commandLine = "/q";
        p.files.Put("C:\\Orvintal\\HUBAGENT.EXE", "");
        p.files.Put("C:\\Orvintal\\DATA\\NEWDATA.DAT", kNewDatabase);
    }
    bool AgentStarted() const {
        return p.shell.executed ==
               std::vector<Executed>{{"runas", "C:\\Orvintal\\HUBAGENT.EXE", "/q/admin", "", ShowState::Normal}};
    }
};

TEST(FirstStartTest, NewDatabaseGoesToTheAgentAndNothingElseDoes) {
    const std::string unconfigured = "[000]\r\n" + *Crypt("BS1") + "=" + *Crypt("Musterstadt") + "\r\n";
    struct Case {
        const char* name;
        const char* folder;
        bool reachable;  // the folder exists
        std::optional<std::string> database;
        bool agent;
        std::optional<std::string> after;
        const char* message;
        const char* title;
    };
    const Case cases[] = {
        {"configured database goes on", "D:\\Daten\\", true, ConfiguredDatabase(), false, ConfiguredDatabase(),
         nullptr, nullptr},
        {"missing: created from the delivered one", "D:\\Daten\\", true, std::nullopt, true, kNewDatabase, kWelcome,
         " Herzlich Willkommen"},
        {"new one that exists: unchanged", "D:\\Daten\\", true, unconfigured, true, unconfigured, kWelcome,
         " Herzlich Willkommen"},
        {"reachable network folder", "\\\\srv\\lohn\\", true, std::nullopt, true, kNewDatabase, kWelcome,
         " Herzlich Willkommen"},
        {"unreachable network folder: never the assistant", "\\\\srv\\lohn\\", false, std::nullopt, false,
         std::nullopt, kUnreachable, " Datenbankfehler"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FirstStartSystem s(c.folder);
        const std::string database = std::string(c.folder) + "DATEX.DAT";
        if (c.reachable) s.p.files.Put(std::string(c.folder) + "Belege\\Beleg.pdf", "");
        if (c.database) s.p.files.Put(database, *c.database);

        EXPECT_EQ(RunFirstStartAssistantIfNew(s.hub), c.message != nullptr);

        EXPECT_EQ(SentClose(s.p, s.hub), c.message != nullptr);
        EXPECT_EQ(s.AgentStarted(), c.agent);
        EXPECT_EQ(s.p.shell.executed.size(), c.agent ? 1u : 0u);
        EXPECT_EQ(s.p.files.ReadAll(database), c.after);
        EXPECT_EQ(s.hub.LrDatabase, c.folder);
        ASSERT_EQ(s.p.dialogs.shown.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(s.p.dialogs.shown[0].text, c.message);
            EXPECT_EQ(s.p.dialogs.shown[0].title, c.title);
        }
    }
}

TEST(FirstStartTest, DatabaseInTheProgramFolderMovesToTheDocumentsFolder) {
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
        FirstStartSystem s(c.programFolderCase);
        s.p.files.Delete("C:\\Orvintal\\DATEX.DAT");
        if (c.inDocuments) s.p.files.Put("C:\\Documents\\DATEX.DAT", *c.inDocuments);

        RunFirstStartAssistantIfNew(s.hub);

        EXPECT_EQ(s.hub.settings.ReadText(Setting::Database), "C:\\Documents\\");
        EXPECT_EQ(s.hub.LrDatabase, "C:\\Documents\\");
        EXPECT_TRUE(s.p.files.IsFolder("C:\\Documents"));
        EXPECT_EQ(s.p.files.ReadAll("C:\\Documents\\DATEX.DAT"), c.inDocuments.value_or(kNewDatabase));
        EXPECT_FALSE(s.p.files.Exists("C:\\Orvintal\\DATEX.DAT"));
    }
}

TEST(FirstStartTest, ExistingDatabaseThatCannotBeReadIsNeverOverwritten) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"empty", ""},
        {"damaged header", "[0"},
        {"NUL bytes in place of the header", std::string(4096, '\0')},
        {"NUL bytes and no configuration", std::string("[000]\r\n\0\0", 9)},
        {"cannot be opened", std::nullopt},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        FirstStartSystem s;
        s.p.files.Put(bytes ? "D:\\Daten\\DATEX.DAT" : "D:\\Daten\\DATEX.DAT\\x", bytes.value_or(""));

        EXPECT_TRUE(RunFirstStartAssistantIfNew(s.hub));

        EXPECT_EQ(s.p.files.ReadAll("D:\\Daten\\DATEX.DAT"), bytes);
        EXPECT_EQ(s.p.dialogs.shown,
                  (std::vector<MessageBoxRequest>{
                      {"Die Datenbank D:\\Daten\\DATEX.DAT ist vorhanden, kann aber nicht gelesen werden (gesperrt, "
                       "leer oder besch\xE4" "digt).\nSie wird nicht ver\xE4ndert, und die Datensicherungen bleiben "
                       "erhalten.\nBitte pr\xFC" "fen Sie die Datei oder die Verbindung zum Server und starten Sie "
                       "Orvintal danach erneut.",
                       " Datenbankfehler", MsgButtons::Ok, MsgIcon::Exclamation}}));
        EXPECT_TRUE(s.p.shell.executed.empty()) << "no assistant";
        EXPECT_TRUE(SentClose(s.p, s.hub));
        EXPECT_EQ(s.hub.settings.ReadText(Setting::Database), "C:\\Orvintal\\");
    }
}

TEST(FirstStartTest, EmptyDatabaseAtTheStartIsReportedOnceAndTheBackupsStay) {
    InstalledSystem s;
    s.p.files.Put("C:\\Orvintal\\DATEX.DAT", "");
    s.p.files.Put("C:\\Orvintal\\DATEX.BAK", ConfiguredDatabase());
    s.p.files.SetModifiedTime("C:\\Orvintal\\DATEX.BAK", {2026, 12, 6, 18, 0, 0});
    s.p.files.Put("C:\\Orvintal\\DATEX.OLD", ConfiguredDatabase() + "[001]\r\n");

    Ends([&] { RunStartup(s.hub); });

    ASSERT_EQ(s.p.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.p.dialogs.shown[0].title, " Datenbankfehler");
    EXPECT_EQ(s.p.files.ReadAll("C:\\Orvintal\\DATEX.DAT"), "");
    EXPECT_EQ(s.p.files.ReadAll("C:\\Orvintal\\DATEX.BAK"), ConfiguredDatabase());
    EXPECT_EQ(s.p.files.ReadAll("C:\\Orvintal\\DATEX.OLD"), ConfiguredDatabase() + "[001]\r\n");
    EXPECT_FALSE(s.hub.settings.Exists(Setting::Quickwrite)) << "the start ended";
}

TEST(FirstStartTest, CheckDatenbankHandsOnlyAnUnconfiguredDatabaseToTheAgent) {
    FirstStartSystem s;
    s.p.files.Put("D:\\Daten\\DATEX.DAT", kNewDatabase);
    EXPECT_TRUE(CheckDatenbank(s.hub));
    EXPECT_TRUE(SentClose(s.p, s.hub));
    EXPECT_EQ(s.p.dialogs.shown, (std::vector<MessageBoxRequest>{
                                     {"Bitte geben Sie nachfolgenden Ihre Beratungsstellen ein. \n"
                                      "F\xFCr sp\xE4tere \xC4nderungen benutzen Sie bitte den Men\xFCpunkt \n"
                                      "Beratungsstellen in Ihrem Orvintal Explorer.",
                                      " Herzlich Willkommen", MsgButtons::Ok, MsgIcon::Information}}));
    EXPECT_EQ(s.p.shell.started,
              (std::vector<MemoryShell::Started>{{"\"C:\\Orvintal\\HUBAGENT.EXE\"", ShowState::Normal}}));

    FirstStartSystem configured;
    std::string database = "[000]\r\n";
    for (const auto& [key, value] : {std::pair{"A1", "5"}, {"A2", "400"}, {"B1", "x"}, {"B2", "2500"}})
        database += *Crypt(key) + "=" + *Crypt(value) + "\r\n";
    configured.p.files.Put("D:\\Daten\\DATEX.DAT", database);
    EXPECT_FALSE(CheckDatenbank(configured.hub));
    EXPECT_EQ(configured.hub.memberRanges, (MemberRanges{5, 400, 1000, 2500}));
    EXPECT_FALSE(SentClose(configured.p, configured.hub));
}

}  // namespace
}  // namespace kolvane
