#include "launcher/menu_dispatch.h"

#include "menu_fixture.h"

namespace kolvane {
namespace {

class MenuDispatchTest : public MenuTest {
protected:
    MenuDispatchTest() {
        for (const char* program : {"ACCOUNTS.EXE", "LINKPORT.EXE", "VOUCHER.EXE", "RETURNS.EXE", "OUTTRAY.EXE",
                                    "QUILL.EXE", "SHEETVUE.EXE", "FEEDESK.EXE"})
            PutProgram(program);
        Build({.Drucker = 1});
    }
    std::string FirstStarted() const { return p.shell.started.empty() ? "" : p.shell.started.front().commandLine; }
};

// The dispatcher finds the action by the entry's key; which key each entry carries is the builder's affair.
TEST_F(MenuDispatchTest, EachEntryRunsTheActionOfItsOwnKey) {
    const std::string folder = "\"C:\\Orvintal\\";
    const std::pair<const char*, std::string> cases[] = {
        {"Mitglieder verwalten  ", folder + "ACCOUNTS.EXE\""},
        {"Zust\xE4ndigkeit ", folder + "WAYCHECK.EXE\" /tax"},
        {"Kontakte hinzuf\xFCgen", folder + "ADDRBOOK.DLL\" 100"},
        {"Mail-Settings ...", folder + "ADDRBOOK.DLL\" 100"},
        {"Drucker verwalten ...", "\"C:\\Windows\\SysWOW64\\Rundll32.exe\" shell32.dll,Control_RunDLL main.cpl @2"},
        {"Erkl\xE4rungen kopieren  ", folder + "RETURNS.EXE\" /s"},
    };
    for (const auto& [caption, started] : cases) {
        SCOPED_TRACE(caption);
        p.shell.started.clear();
        Choose(caption);
        EXPECT_EQ(FirstStarted(), started);
        EXPECT_EQ(hubMenu.tItemNr, std::to_string(Number(caption)));
    }
    EXPECT_TRUE(printerDialog.shown.empty());
}

TEST_F(MenuDispatchTest, SubmenusAndSeparatorsDoNothing) {
    for (const char* key : {"Finanz\xE4mter", "Erweiterungen", "Datensicherung", "Zubeh\xF6r", "Updates",
                            "Mail-Kontakte", "Trennung3", "Trennung56"}) {
        SCOPED_TRACE(key);
        cP_Click(hub, hubMenu, hubMenu.popup.Find(key));
        EXPECT_TRUE(p.shell.started.empty());
        EXPECT_TRUE(p.dialogs.shown.empty());
    }
    for (int outside : {0, -1, hubMenu.popup.Count() + 1}) cP_Click(hub, hubMenu, outside);
    EXPECT_TRUE(p.shell.started.empty());
}

// Printers named like action keys, captions or another printer's entry.
TEST_F(MenuDispatchTest, PrinterEntriesOnlyChooseTheirPrinterWhateverTheirName) {
    const std::vector<std::string> names = {"Beenden", "Verwaltung", "Mitglieder verwalten  ", "Einstellungen ... ",
                                            "Drucker_1"};
    p.dialogs.printers = names;
    Build({.Drucker = 1});
    for (int position = 1; position <= 5; ++position) {
        const std::string& name = names[static_cast<std::size_t>(position - 1)];
        SCOPED_TRACE(name);
        printerDialog.shown.clear();
        const int itemNr = hubMenu.popup.Find(PrinterEntryKey(position));
        ASSERT_EQ(hubMenu.popup.Entry(itemNr).caption, name);
        cP_Click(hub, hubMenu, itemNr);
        EXPECT_EQ(printerDialog.shown, (std::vector<FakePrinterDialog::Shown>{{" Druckerauswahl ...", name}}));
    }
    EXPECT_TRUE(p.shell.started.empty());
    EXPECT_EQ(p.kernel.terminations, 0);
}

TEST_F(MenuDispatchTest, CheckMarkFollowsTheDefaultPrinter) {
    struct Case {
        const char* chosen;
        const char* confirmed;  // in the dialog; empty: the preselected one
        bool first, second;
    };
    const Case cases[] = {
        {"Kyocera FS-1020", "", true, false},
        {"Kyocera FS-1020", "HP LaserJet", false, true},
        {"HP LaserJet", "", false, true},
        {"HP LaserJet", "Microsoft Print to PDF", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.chosen) + " / " + c.confirmed);
        printerDialog.confirmed = c.confirmed;
        Choose(c.chosen);
        EXPECT_EQ(hubMenu.printers.At(1).checked, c.first);
        EXPECT_EQ(hubMenu.printers.At(2).checked, c.second);
        EXPECT_EQ(Entry("Kyocera FS-1020").checked, c.first);
        EXPECT_EQ(Entry("HP LaserJet").checked, c.second);
    }
}

TEST_F(MenuDispatchTest, MissingProgramDisablesTheChosenEntryOnly) {
    p.files.Delete(ProgramFile(hub, "LINKPORT.EXE"));
    Choose("Mitgliederliste drucken   ");
    EXPECT_FALSE(Entry("Mitgliederliste drucken   ").enabled);
    EXPECT_TRUE(Entry("Interface Explorer  ").enabled) << "the same program behind another entry";
    EXPECT_TRUE(p.shell.started.empty());
    EXPECT_TRUE(p.dialogs.shown.empty()) << "no message for a missing program";
}

TEST_F(MenuDispatchTest, QuickActions) {
    struct Case {
        int maustaste;
        int beitraege;
        const char* started;
    };
    p.files.Put(ProgramFile(hub, "VORLAGEN.DAT"), "[DOCS]\r\n");
    const Case cases[] = {
        {1, 1, "ACCOUNTS.EXE"}, {2, 1, "LINKPORT.EXE"}, {3, 1, "QUILL.EXE"}, {4, 1, "OUTTRAY.EXE"},
        {5, 1, "RETURNS.EXE"},  {6, 1, "SHEETVUE.EXE"}, {7, 1, "FEEDESK.EXE"}, {8, 1, "VOUCHER.EXE"},
        {7, 2, "FEEDESK.EXE"},  {7, 0, ""},             {0, 1, ""},            {9, 1, ""},
        {-1, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("Maustaste " + std::to_string(c.maustaste) + ", Beitr\xE4ge " + std::to_string(c.beitraege));
        Build({.Beitraege = c.beitraege});
        p.shell.started.clear();
        hubMenu.tItemNr.clear();
        RunQuickAction(hub, hubMenu, c.maustaste);
        EXPECT_EQ(FirstStarted(), *c.started ? "\"C:\\Orvintal\\" + std::string(c.started) + "\"" : "");
        EXPECT_EQ(hubMenu.tItemNr.empty(), !*c.started);
    }
}

}  // namespace
}  // namespace kolvane
