#include "app/database_discovery.h"
#include "hub/hub_fixture.h"
#include "members/sender_data.h"

namespace kolvane {
namespace {

constexpr char kNewDatabase[] = "[000]\r\n";

// An installed system at the end of its start, its database in the given folder: the agent and the delivered
// empty database are there, the hub's command line is "/q".
struct FirstStartSystem : InstalledSystem {
    explicit FirstStartSystem(const char* folder = "D:\\Daten\\") {
        hub.LrDatabase = folder;
        p.kernel.commandLine = "/q";
        Put("C:\\Orvintal\\HUBAGENT.EXE");
        Put("C:\\Orvintal\\DATA\\NEWDATA.DAT", kNewDatabase);
    }
    std::string Titles() const {
        std::string titles;
        for (const MessageBoxRequest& shown : p.dialogs.shown) titles += shown.title;
        return titles;
    }
};

// The assistant makes a new database only where none exists: an existing one that cannot be read may be a
// configured database, and an unreachable share never gets one. The program folder, in any letter case, is
// replaced by updates: a new database goes to the documents folder, where an existing one is kept.
TEST(FirstStartTest, NewDatabaseGoesToTheAgentAndNothingElseDoes) {
    const std::string unconfigured = "[000]\r\n" + Line("BS1", "Musterstadt");
    const std::optional<std::string> missing, unreadable = std::string("\0", 1);  // a folder in the file's place
    const char* welcome = " Herzlich Willkommen";
    const std::vector<MemoryShell::Executed> agent{{"runas", "C:\\Orvintal\\HUBAGENT.EXE", "/q/admin", "", ShowState::Normal}};
    struct Case { const char* folder; std::optional<std::string> database, after; bool agent; const char* title; };
    const Case cases[] = {
        {"D:\\Daten\\", ConfiguredDatabase(), ConfiguredDatabase(), false, ""},
        {"D:\\Daten\\", missing, kNewDatabase, true, welcome},
        {"D:\\Daten\\", unconfigured, unconfigured, true, welcome},
        {"D:\\Daten\\", "", "", false, " Datenbankfehler"},
        {"D:\\Daten\\", std::string("[000]\r\n\0\0", 9), std::string("[000]\r\n\0\0", 9), false, " Datenbankfehler"},
        {"D:\\Daten\\", unreadable, missing, false, " Datenbankfehler"},
        {"\\\\srv\\lohn\\", missing, missing, false, " Datenbankfehler"},  // unreachable
        {"Z:\\Lohn\\", missing, missing, false, " Datenbankfehler"},  // a network drive not connected
        {"c:\\ORVINTAL\\", missing, missing, true, welcome},
        {"c:\\ORVINTAL\\", "x", missing, true, welcome},  // moves to C:\Documents, where one is kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.folder << " " << c.database.value_or("missing"));
        FirstStartSystem s(c.folder);
        s.p.files.Delete("C:\\Orvintal\\DATEX.DAT");
        const std::string database = std::string(c.folder) + "DATEX.DAT";
        if (*c.folder != '\\' && *c.folder != 'Z') s.Put(std::string(c.folder) + "Belege\\Beleg.pdf");
        if (c.database == unreadable) s.Put(database + "\\x");
        else if (c.database) s.Put(*c.folder == 'c' ? "C:\\Documents\\DATEX.DAT" : database, *c.database);

        EXPECT_EQ(RunFirstStartAssistantIfNew(s.hub), *c.title != 0);

        EXPECT_EQ(SentClose(s.p, s.hub), *c.title != 0);
        EXPECT_EQ(s.p.shell.executed, c.agent ? agent : std::vector<MemoryShell::Executed>{});
        EXPECT_EQ(s.p.files.ReadAll(database), c.database == unreadable ? missing : c.after);
        EXPECT_EQ(s.Titles(), c.title);
        if (*c.folder == 'c') {
            EXPECT_EQ(s.hub.settings.ReadText(Setting::Database) + s.hub.LrDatabase, "C:\\Documents\\C:\\Documents\\");
            EXPECT_EQ(s.p.files.ReadAll("C:\\Documents\\DATEX.DAT"), c.database.value_or(kNewDatabase));
        }
    }
}

TEST(FirstStartTest, CheckDatenbankHandsOnlyAnUnconfiguredDatabaseToTheAgent) {
    for (const char* a1 : {"", "5"}) {
        FirstStartSystem s;
        s.Put("D:\\Daten\\DATEX.DAT", *a1 ? "[000]\r\n" + Line("A1", a1) : kNewDatabase);
        const bool handedOver = CheckDatenbank(s.hub);
        EXPECT_EQ(std::tuple(handedOver, SentClose(s.p, s.hub), s.Titles(), s.p.shell.started.size(), s.hub.memberRanges.A1),
                  *a1 ? std::tuple(false, false, std::string(), 0u, 5) : std::tuple(true, true, std::string(" Herzlich Willkommen"), 1u, 1));
    }
}

}  // namespace
}  // namespace kolvane
