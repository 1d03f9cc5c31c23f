#include "options/options_fixture.h"
#include "options/options_save.h"

namespace kolvane {
namespace {

using C = Ctl;
using A = MsgAnswer;

std::vector<std::string> Started(const OptionsSystem& s) {
    std::vector<std::string> lines;
    for (const auto& started : s.p.shell.started) lines.push_back(started.commandLine);
    return lines;
}

TEST(OptionsFontsTest, StepsThroughFourTargetsAndWritesOnlyAChosenPair) {
    OptionsSystem s;
    s.Put("C:\\Orvintal\\STATUS.CFG", "; Liste\r\n[SETTINGS]\r\nColor=3\r\n");
    OptionsForm form = OptionsLoad(s.hub);
    const auto registry = s.p.registry.Dump();
    for (const char* label : {"Interface Explorer Schriftart:", "Schriftart für Statusliste:",
                              "Schriftart für Form-Dokumente:", "BarCode-Schriftart:"}) {
        OptionsToolButton(s.hub, form, C::bFontInfo);
        EXPECT_EQ(form[C::LBarCode].text, label);
    }
    EXPECT_TRUE(s.p.dialogs.shown.empty());
    EXPECT_EQ(s.p.registry.Dump(), registry);
    OptionsToolButton(s.hub, form, C::bFontInfo);
    OptionsToolButton(s.hub, form, C::bFontInfo);  // the status list: an empty size counts as nine points
    EXPECT_EQ(form[C::tBarCodeSize].text, "09");
    form[C::tBarCodeFont].text = "Arial";
    OptionsOnEvent(s.hub, form, C::tBarCodeFont, OptionsEvent::Change);
    s.p.dialogs.answers = {A::Yes};
    OptionsToolButton(s.hub, form, C::bFontInfo);
    EXPECT_EQ(s.p.files.ReadAll("C:\\Orvintal\\STATUS.CFG"),
              "; Liste\r\n[SETTINGS]\r\nColor=3\r\nFontName=Arial\r\nFontSize=9\r\n");
}

TEST(OptionsPdfTest, SwitchKeepsEveryPathAndAsksBeforeThePrinter) {
    OptionsSystem s;
    s.Store("PdfDriver", SzData("Kyocera FS-1020"));
    OptionsForm form = OptionsLoad(s.hub);
    OptionsToolButton(s.hub, form, C::BPdfViewerDownload);
    form[C::TPdfViewer].text = "C:\\Nitro\\nitro.exe";
    for (const char* label : {"Pdf-Drucker ", "Pdf-Viewer ", "Pdf-Editor "}) {
        OptionsToolButton(s.hub, form, C::BPdfViewerDownload);
        EXPECT_EQ(form[C::LabelChgEditor].text, label);
    }
    EXPECT_EQ(form.pdfTools, (std::array<std::string, kPdfTools>{"", "C:\\Nitro\\nitro.exe", "", "Kyocera FS-1020"}));
    // The printer: the stored one is chosen; only a choice of the user asks, and "no" keeps the stored one.
    form.pdfShown = mnxPdfDrucker;
    s.p.dialogs.printers = {"Fax", "Kyocera FS-1020"};
    OptionsToolButton(s.hub, form, C::BPdfViewerDownload);
    EXPECT_EQ(form[C::tPdfDrucker].value, 1);
    OptionsOnEvent(s.hub, form, C::tPdfDrucker, OptionsEvent::FocusOut);
    form[C::tPdfDrucker].value = 0;
    OptionsOnEvent(s.hub, form, C::tPdfDrucker, OptionsEvent::Change);
    s.p.dialogs.answers = {A::No};
    OptionsOnEvent(s.hub, form, C::tPdfDrucker, OptionsEvent::FocusOut);
    EXPECT_EQ(s.p.dialogs.shown.at(0).title, " Fax");
    EXPECT_EQ(form.pdfTools[mnxPdfDriver], "Kyocera FS-1020");
    OptionsOnEvent(s.hub, form, C::tPdfDrucker, OptionsEvent::Change);
    OptionsOnEvent(s.hub, form, C::tPdfDrucker, OptionsEvent::FocusOut);
    EXPECT_EQ(form.pdfTools[mnxPdfDriver], "Fax");
    EXPECT_EQ(form.pdfShown, mnxPdfViewer);
}

TEST(OptionsExtraMenuTest, EveryEntryStartsItsCommandLine) {
    const struct {
        int entry;
        std::deque<A> answers;
        std::deque<std::optional<std::string>> files;
        std::vector<std::string> started;
        std::optional<OptionsOutcome> closing;
        bool badRanges = false;
    } cases[] = {
        {1, {}, {}, {"\"C:\\Orvintal\\RETURNS.EXE\" /o"}, std::nullopt},
        {2, {A::No}, {}, {"\"C:\\Orvintal\\DOCSHELF.EXE\" /set"}, std::nullopt},
        {6, {A::Yes}, {}, {"\"C:\\Orvintal\\HUBAGENT.EXE\" /dir"}, OptionsOutcome::Saved},
        {7, {}, {}, {"\"C:\\Orvintal\\GLYPHSET.EXE\""}, std::nullopt},
        {9, {A::No}, {}, {"\"C:\\Orvintal\\HUBAGENT.EXE\""}, OptionsOutcome::Cancelled},
        {9, {A::Yes}, {}, {}, std::nullopt, true},
        {11, {}, {"C:\\Eigene Dateien\\Sicherung.reg"},
         {"reg.exe export \"HKEY_LOCAL_MACHINE\\Software\\Brekkan\\Orvintal\" \"C:\\Eigene Dateien\\Sicherung.reg\" /y /reg:32"},
         std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        OptionsSystem s;
        for (const char* exe : {"RETURNS", "DOCSHELF", "HUBAGENT", "GLYPHSET"}) s.Put("C:\\Orvintal\\" + std::string(exe) + ".EXE");
        OptionsForm form = OptionsLoad(s.hub);
        if (c.badRanges) form[C::TEnde1].text = "x";
        s.p.dialogs.menuChoices = {c.entry};
        s.p.dialogs.answers = c.answers;
        s.p.dialogs.files = c.files;
        OptionsExtraMenu(s.hub, form);
        EXPECT_EQ(Started(s), c.started);
        EXPECT_EQ(form.closing, c.closing);
    }
}

// A checked file is copied only after the yes and held while the editor reads it: swapping it then fails. The
// copy goes afterwards, also when the editor could not be started. The refusals themselves: settings_file_check.
TEST(OptionsExtraMenuTest, ImportAsksThenRunsTheEditorOnAHeldCopy) {
    const std::string good = "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software\\Brekkan\\Orvintal]\r\n\"Pfad\"=\"x\"\r\n";
    const std::string title = "  Einstellungen";
    const MessageBoxRequest ask{"Möchten Sie wirklich die Einstellungen wiederherstellen ?\nÄnderungen an den Optionen "
                                "werden nicht gespeichert.\nDanach muss Orvintal neu gestartet werden.",
                                title, MsgButtons::YesNo, MsgIcon::Exclamation};
    const MessageBoxRequest restart{"Möchten Sie jetzt Orvintal aktualisieren und neu starten ? ", title,
                                    MsgButtons::OkCancel, MsgIcon::Exclamation};
    auto told = [&](const char* text) { return MessageBoxRequest{text, title, MsgButtons::Ok, MsgIcon::Exclamation}; };
    const struct {
        std::string file;
        A answer;
        unsigned long exitCode;
        bool startFails;
        std::vector<MessageBoxRequest> boxes;
    } cases[] = {
        {good, A::Yes, 0, false, {ask, restart}},
        {good, A::No, 0, false, {ask}},
        {good, A::Yes, 1, false, {ask, told("Die Einstellungen konnten nicht geladen werden (Fehler 1).\nPrüfen Sie die "
                                            "Einstellungen, bevor Sie Orvintal neu starten.")}},
        {good, A::Yes, 0, true,
         {ask, told("Die Registrierung konnte nicht gestartet werden. Die Einstellungen wurden nicht geladen.")}},
        {"REGEDIT4\r\n[-HKEY_LOCAL_MACHINE\\Software]\r\n", A::Yes, 0, false,
         {told("Die Datei würde Einträge der Registrierung löschen und wird nicht geladen.")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        OptionsSystem s;
        s.Put("C:\\SICHER.REG", c.file);
        s.Put("C:\\Orvintal\\CLOSEALL.EXE");
        s.p.files.CreateFolder(s.p.kernel.TempFolder());
        s.p.shell.exitCode = c.exitCode;
        s.p.shell.watchedStartFails = c.startFails;
        s.p.kernel.systemFolder = "C:\\Windows\\System32";  // a 32-bit system: the registry editor itself
        const std::string copy = s.p.kernel.TempFolder() + "KOLVANE.REG";
        std::optional<std::string> read;
        s.p.shell.onStart = [&](const MemoryShell::Started& started) {
            if (!started.watched) return;
            read = s.p.files.ReadAll(copy);
            EXPECT_FALSE(s.p.files.WriteAll(copy, "REGEDIT4\r\n[-HKEY_LOCAL_MACHINE\\Software]\r\n"));
        };
        OptionsForm form = OptionsLoad(s.hub);
        s.p.dialogs.menuChoices = {12};
        s.p.dialogs.files = {"C:\\SICHER.REG"};
        s.p.dialogs.answers = {c.answer, A::Ok};
        OptionsExtraMenu(s.hub, form);
        const bool ran = c.boxes.size() == 2 && !c.startFails;
        std::vector<std::string> started;
        if (ran) started.push_back("Regedit.exe /s \"" + copy + "\"");
        if (c.boxes.back() == restart) started.push_back("\"C:\\Orvintal\\CLOSEALL.EXE\" /restart");
        EXPECT_EQ(s.p.dialogs.shown, c.boxes);
        EXPECT_EQ(Started(s), started);
        EXPECT_EQ(read, ran ? std::optional(c.file) : std::nullopt);
        EXPECT_FALSE(s.p.files.Exists(copy));
        EXPECT_EQ(form.closing.has_value(), ran);
    }
}

TEST(OptionsDatabaseTest, ChangeWritesTheSettingsAndEndsTheHub) {
    OptionsSystem s;
    s.Store("DBDatKey", SzData("7"));
    s.Put("D:\\Gemeinsam\\DATEX.DAT", "[000]\r\n" + Line("SIZE", "1234") + Line("A1", "001"));
    s.p.clock.Set({2026, 12, 7, 9, 5, 3});
    s.Put("C:\\Orvintal\\CLOSEALL.EXE");
    OptionsForm form = OptionsLoad(s.hub);
    const auto registry = s.p.registry.Dump();
    s.p.dialogs.files = {"D:\\Gemeinsam\\Datex.dat"};
    OptionsToolButton(s.hub, form, C::bDatFile);
    std::vector<std::string> changed;
    for (const char* line : {"-Database=1:C:\\Orvintal\\", "-DBDatKey=1:7", "+Database=1:D:\\Gemeinsam\\",
                             "+MDBFileCheck=1:2026-01-01", "+MDBFileData=1:2026.01.01", "+MdbRefresh=1:01.01.2026 09:05:03"})
        changed.push_back(line[0] + std::string("HKLM\\Software\\Brekkan\\Orvintal\\") + (line + 1) + '\0');
    EXPECT_EQ(OptionsSystem::Diff(registry, s.p.registry.Dump()), changed);
    EXPECT_EQ(s.p.files.ReadAll("D:\\Gemeinsam\\DATEX.DAT"), "[000]\r\n" + Line("A1", "001"));
    EXPECT_EQ(s.hub.LrDatabase, "C:\\Orvintal\\");
    EXPECT_EQ(s.p.windows.GetText(s.hub.Text1), "$Ende$");
    EXPECT_EQ(Started(s), std::vector<std::string>{"\"C:\\Orvintal\\CLOSEALL.EXE\""});
    // A folder without a database, accepted after the question, gets none.
    s.p.dialogs.files = {"E:\\Leer\\daten.dat"};
    OptionsToolButton(s.hub, form, C::bDatFile);
    EXPECT_EQ(s.hub.settings.ReadText(Setting::Database), "E:\\Leer\\");
    EXPECT_FALSE(s.p.files.Exists("E:\\Leer\\DATEX.DAT"));
}

}  // namespace
}  // namespace kolvane
