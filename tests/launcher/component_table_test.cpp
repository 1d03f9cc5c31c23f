#include "launcher/component_table.h"

#include "launcher_fixture.h"

namespace kolvane {
namespace {

// How a row starts its program, as the component table of the launcher's specification gives it; rows with an
// action of their own are tested with their handlers, and listed here only when the gate guards them.
enum class Start {
    Standard,   // existence test, quoted path and switches, normal window; missing: the entry is disabled
    Unchecked,  // started without an existence test
    Own,        // an action of its own
};

struct PartRow {
    const char* key;
    const char* program;
    const char* switches;
    bool guarded;
    Start start;
};

// Written from the specification, independently of the table in the code.
const PartRow kPartTable[] = {
    {"Verwaltung", "ACCOUNTS.EXE", "", true, Start::Own},
    {"Explorer", "LINKPORT.EXE", "", true, Start::Standard},
    {"Kurzmitteilungen", "QUILL.EXE", "", true, Start::Own},
    {"Dokumente", "OUTTRAY.EXE", "", true, Start::Standard},
    {"Serienbriefe", "NOTEPOST.EXE", "", true, Start::Standard},
    {"Erkl\xE4rungen", "RETURNS.EXE", "", true, Start::Standard},
    {"\xDC" "berweisungen", "FORMDESK.EXE", "", false, Start::Standard},
    {"Rechts-Bibliothek", "READROOM.EXE", "", false, Start::Standard},
    {"Bearbeiten", "TAXOFFIC.EXE", "", false, Start::Standard},
    {"Mitgliederliste", "LINKPORT.EXE", " /PrintDatabase", false, Start::Standard},
    {"Komplettsicherung", "DATASAFE.EXE", "", false, Start::Standard},
    {"Steuerkopie", "RETURNS.EXE", " /s", false, Start::Standard},
    {"Bescheide", "MAILLOG.EXE", "", true, Start::Own},
    {"Fristen", "MAILLOG.EXE", "", true, Start::Own},
    {"Fristenwacht", "DUEDATES.EXE", "", false, Start::Standard},
    {"Zust\xE4ndigkeit", "WAYCHECK.EXE", " /tax", false, Start::Unchecked},
    {"Heute", "TODAYLST.EXE", "", false, Start::Standard},
    {"Beitr\xE4ge", "FEEDESK.EXE", "", true, Start::Own},
    {"Hotsync", "HANDSYNC.EXE", "", false, Start::Standard},
    {"Berichte", "EXITREG.EXE", " /a", true, Start::Standard},
    {"ReorgData", "RESTARTR.EXE", "", false, Start::Standard},
    {"VersionsCheck", "VERPROBE.EXE", "", false, Start::Standard},
    {"Status-Infos", "STATUSLS.EXE", "", false, Start::Standard},
    {"Sendmail_Opt", "ADDRBOOK.DLL", " 100", false, Start::Unchecked},
    {"Sendmail_1", "ADDRBOOK.DLL", " 101", false, Start::Unchecked},
    {"Sendmail_2", "ADDRBOOK.DLL", " 102", false, Start::Unchecked},
    {"Sendmail_3", "ADDRBOOK.DLL", " 103", false, Start::Unchecked},
    {"Sendmail_4", "ADDRBOOK.DLL", " 104", false, Start::Unchecked},
    {"Sendmail_5", "ADDRBOOK.DLL", " 105", false, Start::Unchecked},
    {"Termindrucker", "PRINTHUB.EXE", "", false, Start::Standard},
    {"PDF-Checker", "PDFPROBE.EXE", "", false, Start::Standard},
    {"Tetris", "BLOCKFALL.EXE", "", false, Start::Standard},
};

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
