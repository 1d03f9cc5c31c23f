#include "launcher/component_table.h"

#include <fstream>

#include "launcher/about_box.h"
#include "launcher/document_templates.h"
#include "options/settings_action.h"
#include "launcher_fixture.h"

namespace kolvane {
namespace {

using A = ActionKey;

// One plain row of each kind, then the actions that choose their program, prepare its start or open a document
// instead. Files are "NAME" (holding its name) or "NAME=BYTES"; the outcome ends with the setting `seen` as each
// started program finds it and then afterwards, each followed by ";"; `after` are the files afterwards ("NAME=" for
// gone). A started component has loaded (reports through `Quickload`, ends) after `loads` seconds.
// Waits that must end: the synchronisation's restore reads the folder its clean run works on, so it starts only
// once that run has ended, and not at all when it has not within two minutes; the short-message writer opens
// empty (`Quickwrite` 0) until it reports that it has loaded (a report left over from the last run does not
// count), or 30 seconds have passed.
// The suite's programs are started with these command lines: every row's program, switches and guard, kept with
// the tests, so that a changed row is a change of both on purpose.
TEST(ComponentTable, EveryRowAsThePeersAreStarted) {
    std::ostringstream table;
    for (const ComponentRow& r : ComponentTable()) table << ActionName(r.key) << '\t' << r.program << "\t'" << r.switches << "'\t" << r.guarded << '\n';
    std::ifstream known(KOLVANE_SOURCE_DIR "/tests/parts/launcher/component_table.txt", std::ios::binary);
    EXPECT_EQ(table.str(), (std::ostringstream() << known.rdbuf()).str());
}

TEST(ComponentTable, EachActionStartsWhatItsFilesAndSettingsChoose) {
    // The names carry the dispatch: two actions of one name would leave the second unreachable.
    for (int i = 0; i < kActionKeyCount; ++i) EXPECT_EQ(FindActionKey(ActionName(A(i))), A(i)) << i;
    EXPECT_EQ(ComponentTable().size(), kActionKeyCount - 10u) << "a row for each action but the ten templates";
    // Case, blanks, captions, submenu keys and printer entries are no action keys.
    for (const char* text : {"beenden", "Beenden ", "Beitr\xC4ge", "Mitglieder verwalten  ", "Finanz\xE4mter", "Drucker_1", ""})
        EXPECT_FALSE(FindActionKey(text).has_value()) << text;

    using Stored = std::vector<std::pair<const char*, RegData>>;
    using Fault = CopyFault;
    struct Case {
        ActionKey key;
        std::vector<std::string> files, outcome;
        Stored stored = {};
        std::optional<Setting> seen = {};
        double loads = 0;
        std::vector<std::string> after = {};
        Fault fault = Fault::None;
        std::vector<RegKeyPath> keys = {};
        DateTime today = {2027, 1, 31, 9, 0, 0};
    };
    const std::vector<std::string> calendar = {"DATEBOOK.EXE", "DATEBOOK.MAP", "DAYPLAN.MAP"};
    const RegKeyPath dayplan = kCalendarAppDayplanKey, datebook = kCalendarAppDatebookKey;
    // A path in the list begins with a backslash; one written without still names its file, an empty one would
    // name the folder itself. The editor and the templates lie in folders whose names hold blanks.
    const std::vector<std::string> docs = {
        "VORLAGEN.DAT=[PDFFILE]\r\n0=\\Vorlagen\\Vollmacht.pdf\r\n4=\r\n5=Vorlagen\\Vollmacht.pdf\r\n",
        "Vorlagen\\Vollmacht.pdf", "Sendmail\\Vollmacht.pdf=edited", "Pdf Werk\\editor.exe"};
    const std::string editor = "C:\\Orvintal\\Pdf Werk\\editor.exe", editorOn = "%Pdf Werk\\editor.exe\" \"C:\\Orvintal\\";
    const Stored withEditor = {{"PdfEditor", SzData(editor)}};
    // A fresh copy in Sendmail, so that edits in the editor never reach the stored template; an editor path cut
    // at its first NUL.
    const Stored local = {{"PdfEditor", {RegType::Sz, editor + std::string(3, '\0')}}, {"ViewLokalfile", DwordData(1)}};
    const Case cases[] = {
        // A library that the system starts all the same.
        {A::Zustaendigkeit, {}, {"%WAYCHECK.EXE\" /tax"}},
        {A::Beitraege, {"FEEDESK.EXE", "FEERUN.EXE"}, {"%FEEDESK.EXE\"", "1;1;"}, {}, Setting::Pelmondo},
        {A::Quittungen, {"VOUCHER.EXE", "SLIPPRN.EXE"}, {"%VOUCHER.EXE\""}},
        {A::Quittungen, {"SLIPPRN.EXE"}, {"%SLIPPRN.EXE\""}},
        {A::CSVDatabase, {"SHEETOUT.EXE", "LINKPORT.EXE"}, {"%SHEETOUT.EXE\""}},
        {A::CSVDatabase, {"LINKPORT.EXE"}, {"%LINKPORT.EXE\" /CSVDatabase"}},
        {A::Bescheide, {"MAILLOG.EXE"}, {"%MAILLOG.EXE\"", "1;1;"}, {}, Setting::Postbuch},
        {A::Fristen, {"MAILLOG.EXE"}, {"%MAILLOG.EXE\"", "2;2;"}, {}, Setting::Postbuch},
        {A::UpdateType_1, {"UPDCTRL.DLL", "UPDCTRL.EXE"}, {"%UPDCTRL.DLL\" /a", ";;"}, {}, Setting::Updates},
        {A::UpdateType_1, {"UPDCTRL.EXE"}, {"%UPDCTRL.EXE\" /a"}},
        // An old date reminds of the update search at the next start; in January the first of this year is too recent.
        {A::UpdateType_2, {"UPDCTRL.DLL"}, {"%UPDCTRL.DLL\" /v", "01.01.2026;01.01.2026;"}, {}, Setting::Updates},
        {A::UpdateType_2, {"UPDCTRL.EXE"}, {"%UPDCTRL.EXE\" /p", "01.01.2026;01.01.2026;"}, {}, Setting::Updates},
        {.key = A::UpdateType_2, .files = {"UPDCTRL.DLL"}, .outcome = {"%UPDCTRL.DLL\" /v", "01.01.2027;01.01.2027;"}, .seen = Setting::Updates, .today = {2027, 2, 1}},
        {A::UpdateType_2, {}, {"disabled 7", ";"}, {}, Setting::Updates},
        {A::ElsterOnline, {}, {"open https://portal.example.de/eportal/login/sicherheitsstick"}, {{"PortalUrl", SzData("https://portal.example.de/")}}},
        {A::BerechnungWeg, {"WAYCHECK.EXE"}, {"%WAYCHECK.EXE\"/2"}},
        // Without the route component the map page shows the way: the entry stays usable.
        {A::BerechnungWeg, {}, {"open https://www.openstreetmap.org?map=52.4915,13.37865,13,normal"}},
        // Windows' own tools by their full paths: the component folder never supplies one of its own.
        {A::Hilfethemen, {"Orvintal.chm"}, {"\"C:\\Windows\\hh.exe\" C:\\Orvintal\\Orvintal.chm::/1.1 Orvintal und Anhang.htm"}},
        // The manager starts in any case: it is where the list is made.
        {A::Bibliothek, {"SHEETVUE.EXE"}, {"%SHEETVUE.EXE\"", "told Keine Orvintal Vorlagen-Datenbank"}},
        {A::IndexDB, {"PICTHELP.EXE"}, {"%PICTHELP.EXE\"", "told M\xF6" "chten Sie die"}},
        {A::DropboxSync, {"NETSHARE.EXE"}, {"%NETSHARE.EXE\"/clean", "%NETSHARE.EXE\"/restore", "waited 30000 ms"}, {}, {}, 30},
        {A::DropboxSync, {"NETSHARE.EXE"}, {"%NETSHARE.EXE\"/clean", "told Die Dropbox-Synchronisierung wurde", "waited 120000 ms"}, {}, {}, 1e9},
        {A::Kurzmitteilungen, {"QUILL.EXE"}, {"%QUILL.EXE\"", "waited 4000 ms", "0;1;"}, {}, Setting::Quickwrite, 4},
        {A::Kurzmitteilungen, {"QUILL.EXE"}, {"%QUILL.EXE\"", "waited 30000 ms", "0;1;"}, {}, Setting::Quickwrite, 1e9},
        {A::Kurzmitteilungen, {}, {"disabled 7", "1;"}, {}, Setting::Quickwrite},
        {A::Terminplaner, calendar, {"%DATEBOOK.EXE\"", "0;0;"}, {}, Setting::OneCalendar, 0, {}, {}, {dayplan}},
        {A::Terminplaner, calendar, {"open C:\\Orvintal\\DATEBOOK.LNK", "waited 1000 ms", "1;"}, {{"Calendar", DwordData(1)}},
         Setting::OneCalendar, 0, {"DATEBOOK.LNK=DAYPLAN.MAP"}, {}, {dayplan, datebook}},
        {A::Terminplaner, {"DATEBOOK.MAP", "DAYPLAN.MAP"}, {"disabled 7"}, {{"Calendar", DwordData(1)}}},
        {A::Terminplaner, {"DATEBOOK.EXE", "DATEBOOK.MAP"}, {"told Wichtige Systemdateien (Datebook.map,"}},
        // An older installation has the day calculator as ARITHPAD.EXE. It takes the new name only where that is
        // missing, and only by a copy that read back whole: a failed one leaves the old program where it was.
        {A::BerechnungTag, {"ARITHPAD.EXE"}, {"%DAYSPAN.EXE\"/2"}, {}, {}, 0, {"ARITHPAD.EXE=", "DAYSPAN.EXE=ARITHPAD.EXE"}},
        {A::BerechnungTag, {"ARITHPAD.EXE", "DAYSPAN.EXE"}, {"%DAYSPAN.EXE\"/2"}, {}, {}, 0, {"ARITHPAD.EXE=ARITHPAD.EXE", "DAYSPAN.EXE=DAYSPAN.EXE"}},
        {A::BerechnungTag, {"ARITHPAD.EXE"}, {"disabled 7"}, {}, {}, 0, {"ARITHPAD.EXE=ARITHPAD.EXE", "DAYSPAN.$$$="}, Fault::Truncated},
        {A::DocVorlage5, docs, {editorOn + "Vorlagen\\Vollmacht.pdf\""}, withEditor},
        {A::DocVorlage0, docs, {editorOn + "Sendmail\\Vollmacht.pdf\""}, local, {}, 0, {"Sendmail\\Vollmacht.pdf=Vorlagen\\Vollmacht.pdf"}},
        {A::DocVorlage4, docs, {"told Das Dokument konnte"}, withEditor},
        {A::DocVorlage0, docs, {"told In den Einstellungen"}, {{"PdfEditor", SzData("C:\\Orvintal\\Pdf Werk")}}},
        // Opening the older copy would show the user something else than the template.
        {A::DocVorlage0, docs, {"told Die Vorlage konnte"}, local, {}, 0, {}, Fault::Refused},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Launcher s;
        s.p.clock.Set(c.today);
        for (const std::string& file : c.files) s.Put(file);
        for (const char* left : {"Quickwrite", "Quickload"}) s.Store(left, DwordData(1));  // from the last run
        for (const auto& [name, data] : c.stored) s.Store(name, data);
        for (const RegKeyPath& key : c.keys) RegCreateKey(s.p.registry, key.root, key.path, "");
        s.copyFault = c.fault;
        std::string seen;
        const auto look = [&] { seen += c.seen ? s.hub.settings.ReadText(*c.seen) + ";" : ""; };
        s.p.shell.onStart = [&](const MemoryShell::Started&) {
            look();
            s.p.clock.Schedule(c.loads, [&] { s.Store("Quickload", DwordData(1)); });
        };
        s.p.shell.hasEnded = [&](const MemoryShell::Started&) { return s.p.clock.Elapsed() >= c.loads; };
        s.Choose(c.key);
        look();
        std::vector<std::string> outcome = s.Outcome();
        if (c.seen) outcome.push_back(seen);
        EXPECT_EQ(outcome, c.outcome);
        for (const std::string& file : c.after) {
            const std::string name = file.substr(0, file.find('='));
            EXPECT_EQ(name + "=" + s.p.files.ReadAll(ProgramFile(s.hub, name)).value_or(""), file);
        }
    }
}

// `Pelmondo` 1 and 0 set the contributions entry's caption, other values leave it, and the caption chooses the
// program: after a 0, another value keeps the payments.
TEST_F(LauncherTest, TheContributionsEntryKeepsItsCaption) {
    for (const char* file : {"FEEDESK.EXE", "FEERUN.EXE"}) Put(file);
    for (int pelmondo : {0, 7, 1, 7}) {
        Store("Pelmondo", DwordData(pelmondo));
        Choose(A::Beitraege);
    }
    EXPECT_EQ(Outcome(), (std::vector<std::string>{"%FEERUN.EXE\"", "%FEERUN.EXE\"", "%FEEDESK.EXE\"", "%FEEDESK.EXE\""}));
}

TEST_F(LauncherTest, OwnWindowsAndTheEnd) {
    struct : AboutView { std::string shown; void Show(const AboutForm& f) override { shown += f.product + " " + f.version; } } about;
    hubMenu.aboutView = &about;
    p.kernel.version = {2, 14, 307};
    Choose(A::Informationen);
    EXPECT_EQ(about.shown, "Brekkan Orvintal Version 2.14.307");
    const WindowId search = p.windows.Create("ThunderRT6FormDC", " Personen suchen");
    Choose(A::Suchen);  // one search window at a time
    EXPECT_EQ(p.windows.foreground, search);
    for (const char* file : {"SHEETVUE.EXE", "VORLAGEN.DAT", "CLOSEALL.EXE"}) Put(file);
    OpenDocumentTemplate(hub, kTemplateManagerIndex, {menu, 7});  // "more ...": the template manager
    EXPECT_THROW(Choose(A::Beenden), ProcessTerminated);
    EXPECT_EQ(Outcome(), (std::vector<std::string>{"%SHEETVUE.EXE\"", "%CLOSEALL.EXE\"", "waited 2000 ms"}));
}

// The options dialog may change the menu's layout, which is built once per run: the hub hands over to a new one,
// its caption changed first so that the new one finds it handing over. A start that fails leaves this hub
// running as it was, for closing would leave the user without one.
TEST_F(LauncherTest, AChangedMenuLayoutRestartsTheHub) {
    std::string captionAtStart;
    p.shell.onStart = [&](const MemoryShell::Started&) { captionAtStart = p.windows.GetText(hub.Root); };
    Store("Drucker", DwordData(1));
    const MenuLayoutValues before = ReadMenuLayoutValues(hub);
    Store("Drucker", SzData("1"));  // the same value as text
    RestartIfMenuLayoutChanged(hub, before);
    Store("Explorer", DwordData(0));
    RestartIfMenuLayoutChanged(hub, before);  // KOLVANE.EXE is missing
    EXPECT_EQ(p.windows.GetText(hub.Root) + "|" + p.windows.GetText(hub.Text1), std::string(kHubCaption) + "|");
    Put("KOLVANE.EXE");
    RestartIfMenuLayoutChanged(hub, before);
    EXPECT_EQ(Outcome(), (std::vector<std::string>{"%KOLVANE.EXE\"", "told Orvintal konnte nicht"}));
    EXPECT_EQ(captionAtStart + "|" + p.windows.GetText(hub.Text1), "Dritte InstanzBrekkan Orvintal  |" + std::string(kCloseCommand));
}

}  // namespace
}  // namespace kolvane
