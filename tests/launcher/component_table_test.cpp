#include "launcher/component_table.h"

#include <set>

#include "launcher_fixture.h"

namespace kolvane {
namespace {

// How a row starts its program.
enum class Start {
    Standard,   // existence test, quoted path and switches, normal window; missing: the entry is disabled
    Unchecked,  // started without an existence test
    Own,        // an action of its own, tested with its handler
};

struct PartRow {
    const char* key;
    const char* program;
    const char* switches;
    bool guarded;
    Start start;
};

// Every row, written down apart from the code's table, so that a slip in either shows.
const PartRow kPartTable[] = {
    {"Verwaltung", "ACCOUNTS.EXE", "", true, Start::Own},
    {"Suchen", "", "", false, Start::Own},
    {"Explorer", "LINKPORT.EXE", "", true, Start::Standard},
    {"Kurzmitteilungen", "QUILL.EXE", "", true, Start::Own},
    {"Dokumente", "OUTTRAY.EXE", "", true, Start::Standard},
    {"Serienbriefe", "NOTEPOST.EXE", "", true, Start::Standard},
    {"Erkl\xE4rungen", "RETURNS.EXE", "", true, Start::Standard},
    {"\xDC" "berweisungen", "FORMDESK.EXE", "", false, Start::Standard},
    {"Bibliothek", "SHEETVUE.EXE", "", false, Start::Own},
    {"Rechts-Bibliothek", "READROOM.EXE", "", false, Start::Standard},
    {"Quittungen", "VOUCHER.EXE", "", false, Start::Own},
    {"Bearbeiten", "TAXOFFIC.EXE", "", false, Start::Standard},
    {"Mitgliederliste", "LINKPORT.EXE", " /PrintDatabase", false, Start::Standard},
    {"Komplettsicherung", "DATASAFE.EXE", "", false, Start::Standard},
    {"DropboxSync", "NETSHARE.EXE", "", false, Start::Own},
    {"CSVDatabase", "SHEETOUT.EXE", "", false, Start::Own},
    {"Steuerkopie", "RETURNS.EXE", " /s", false, Start::Standard},
    {"Bescheide", "MAILLOG.EXE", "", true, Start::Own},
    {"Fristen", "MAILLOG.EXE", "", true, Start::Own},
    {"Fristenwacht", "DUEDATES.EXE", "", false, Start::Standard},
    {"Zust\xE4ndigkeit", "WAYCHECK.EXE", " /tax", false, Start::Unchecked},
    {"BerechnungWeg", "WAYCHECK.EXE", "/2", false, Start::Own},
    {"BerechnungTag", "DAYSPAN.EXE", "/2", false, Start::Own},
    {"ElsterOnline", "", "", false, Start::Own},
    {"Heute", "TODAYLST.EXE", "", false, Start::Standard},
    {"Beitr\xE4ge", "FEEDESK.EXE", "", true, Start::Own},
    {"Hotsync", "HANDSYNC.EXE", "", false, Start::Standard},
    {"Berichte", "EXITREG.EXE", " /a", true, Start::Standard},
    {"ReorgData", "RESTARTR.EXE", "", false, Start::Standard},
    {"UpdateType_1", "UPDCTRL.DLL", " /a", false, Start::Own},
    {"UpdateType_2", "UPDCTRL.DLL", " /v", false, Start::Own},
    {"IndexDB", "PICTHELP.EXE", "", false, Start::Own},
    {"VersionsCheck", "VERPROBE.EXE", "", false, Start::Standard},
    {"Beratungsstellen", "", "", false, Start::Own},
    {"Einstellungen", "", "", false, Start::Own},
    {"Informationen", "", "", false, Start::Own},
    {"Hilfethemen", "", "", false, Start::Own},  // hh.exe, a system tool
    {"Status-Infos", "STATUSLS.EXE", "", false, Start::Standard},
    {"Sendmail_Opt", "ADDRBOOK.DLL", " 100", false, Start::Unchecked},
    {"Sendmail_1", "ADDRBOOK.DLL", " 101", false, Start::Unchecked},
    {"Sendmail_2", "ADDRBOOK.DLL", " 102", false, Start::Unchecked},
    {"Sendmail_3", "ADDRBOOK.DLL", " 103", false, Start::Unchecked},
    {"Sendmail_4", "ADDRBOOK.DLL", " 104", false, Start::Unchecked},
    {"Sendmail_5", "ADDRBOOK.DLL", " 105", false, Start::Unchecked},
    {"Termindrucker", "PRINTHUB.EXE", "", false, Start::Standard},
    {"Terminplaner", "DATEBOOK.EXE", "", false, Start::Own},
    {"PDF-Checker", "PDFPROBE.EXE", "", false, Start::Standard},
    {"Tetris", "BLOCKFALL.EXE", "", false, Start::Standard},
    {"Druckerverwaltung", "", "", false, Start::Own},  // Rundll32.exe, a system tool
    {"Beenden", "", "", false, Start::Own},
};

const ComponentRow* RowOf(std::string_view key) {
    for (const ComponentRow& row : ComponentTable())
        if (ActionName(row.key) == key) return &row;
    return nullptr;
}

TEST(ComponentTable, EveryRowAsWrittenDownAndNoOther) {
    std::set<std::string_view> keys;
    for (const PartRow& part : kPartTable) {
        SCOPED_TRACE(part.key);
        keys.insert(part.key);
        const ComponentRow* row = RowOf(part.key);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->program, part.program);
        EXPECT_EQ(row->switches, part.switches);
        EXPECT_EQ(row->guarded, part.guarded);
    }
    EXPECT_EQ(keys.size(), std::size(kPartTable));
    EXPECT_EQ(ComponentTable().size(), std::size(kPartTable));
}

// The names also carry the dispatch: two actions of one name would leave the second unreachable.
TEST(ActionKeys, EveryKeyTextFindsItsActionAndNothingElseDoes) {
    for (int i = 0; i < kActionKeyCount; ++i) {
        const auto key = static_cast<ActionKey>(i);
        SCOPED_TRACE(std::string(ActionName(key)));
        EXPECT_EQ(FindActionKey(ActionName(key)), key);
    }
    // Case, blanks, captions, submenu keys and printer names are no action keys.
    for (const char* text : {"beenden", "Beenden ", "Beitrage", "Beitr\xC4ge", "Mitglieder verwalten  ", "Trennung1",
                             "Finanz\xE4mter", "Kyocera FS-1020", "DocVorlage10", "Sendmail_6", ""}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(FindActionKey(text).has_value());
    }
}

class ComponentTableTest : public LauncherTest {};

// Every plain row with its program present, then missing: the exact command line and window state, or the
// chosen entry disabled and nothing started.
TEST_F(ComponentTableTest, PlainRowsStartTheirProgramOrDisableTheChosenEntry) {
    int itemNr = 0;
    for (const PartRow& part : kPartTable) {
        if (part.start == Start::Own) continue;
        SCOPED_TRACE(part.key);
        const ActionKey key = *FindActionKey(part.key);
        const std::string line = Quoted(part.program) + part.switches;

        PutProgram(part.program);
        p.shell.started.clear();
        Choose(key, ++itemNr);
        EXPECT_EQ(p.shell.started, (std::vector<MemoryShell::Started>{{line, ShowState::Normal}}));
        EXPECT_TRUE(menu.disabled.empty());

        p.files.Delete(ProgramFile(hub, part.program));
        p.shell.started.clear();
        Choose(key, ++itemNr);
        if (part.start == Start::Unchecked) {
            EXPECT_EQ(Started(), std::vector<std::string>{line});
            EXPECT_TRUE(menu.disabled.empty());
        } else {
            EXPECT_TRUE(p.shell.started.empty());
            EXPECT_EQ(menu.disabled, std::vector<int>{itemNr});
        }
        menu.disabled.clear();
    }
}

// With a builder of the temporary database at work for 5 seconds, guarded rows (their own actions among
// them) start their program when it has finished, the others at once.
TEST_F(ComponentTableTest, GuardedRowsWaitForTheTemporaryDatabase) {
    for (const PartRow& part : kPartTable) {
        if (part.start == Start::Own && !part.guarded) continue;
        SCOPED_TRACE(part.key);
        PutProgram(part.program);
        const WindowId builder = p.windows.Create("ThunderRT6FormDC", "Brekkan PictHelp IDE");
        p.clock.Schedule(5, [&, builder] { p.windows.Destroy(builder); });
        double startedAfter = -1;
        const double before = p.clock.Elapsed();
        p.shell.onStart = [&](const MemoryShell::Started& s) {
            if (s.commandLine.starts_with(Quoted(part.program))) startedAfter = p.clock.Elapsed() - before;
        };
        Choose(*FindActionKey(part.key));
        EXPECT_NEAR(startedAfter, part.guarded ? 5.0 : 0.0, 1e-3);
        p.clock.Advance(10);  // past the builder's end, for the next row
    }
    p.shell.onStart = nullptr;
}

TEST_F(ComponentTableTest, AMissingMemberAdministrationDisablesItsEntry) {
    Choose(ActionKey::Verwaltung, 1);
    EXPECT_EQ(menu.disabled, std::vector<int>{1});
    EXPECT_TRUE(Started().empty());
}

// A second choice during the first one's wait must not redirect the first one's disabling.
TEST_F(ComponentTableTest, AMissingProgramDisablesItsOwnEntryDespiteAChoiceDuringTheWait) {
    PutProgram("OUTTRAY.EXE");
    const WindowId builder = p.windows.Create("ThunderRT6FormDC", "Brekkan Beitragskonten [TmpDb]");
    p.clock.Schedule(2, [&] { Choose(ActionKey::Dokumente, 9); });
    p.clock.Schedule(5, [&] { p.windows.Destroy(builder); });

    Choose(ActionKey::Explorer, 3);  // LINKPORT.EXE is missing

    EXPECT_EQ(menu.disabled, std::vector<int>{3});
    EXPECT_EQ(Started(), std::vector<std::string>{Quoted("OUTTRAY.EXE")});
}

}  // namespace
}  // namespace kolvane
