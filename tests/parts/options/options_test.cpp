#include <fstream>
#include <functional>

#include "options/options_fixture.h"
#include "options/options_files.h"
#include "options/options_save.h"
#include "store/member_database.h"

namespace kolvane {
namespace {

using C = Ctl;

// Check boxes and lists as their value, fields as their text; "-" marks a disabled control, "~" a hidden one.
std::string Describe(const OptionsForm& form) {
    std::string text;
    for (const OptionsControl& c : AllControls()) {
        const ControlState& s = form[c.id];
        if (c.kind == CtlKind::Check || c.kind == CtlKind::List)
            text += std::string(c.name) + "=" + std::to_string(s.value);
        else if (c.kind == CtlKind::Edit || c.kind == CtlKind::EditList)
            text += std::string(c.name) + "'" + s.text + "'";
        else continue;
        text += std::string(s.enabled ? "" : "-") + (s.shown ? "" : "~") + " ";
    }
    return text;
}

TEST(OptionsTest, EmptyKeyShowsTheDefaults) {
    OptionsSystem s;
    s.p.registry.DeleteValue(kSettingsKey.root, kSettingsKey.path, "Database");
    EXPECT_EQ(Describe(OptionsLoad(s.hub)),
              "CAutostart=0 CRefreshDialog=1 CÖffnen=0 CDorvenhal=1 CPostleitzahl=1 CTipsTricks=0-~ CNoTooltipps=0 "
              "CMenüanzeige=1 CNoCompany=0 CNoSupport=0 CNoStatus=0 CCheckNr=0 CAddContract=1 COneUser=0 CSecurity=0 "
              "CAutoUpdate=1 CInternetUpdate=1~ CPackageUpdate=1 CUpdRecovery=1 CQuittungVerboten=0 CReceiptPrint=0 "
              "CBarCodeKey=0 CLastPaytyp=1 CBarcode=1 CStartbild=0 CTemporary=1 CKlicker=1 CNumlock=1 CStartApp=0 "
              "CMaustaste=0 CSteuererklärung=1 CExplorer=1 CDrucker=0 CDienststellen=1 CBibliothek=1 CBeiträge=1 "
              "CShowNoContacts=1 CVersetzung=0 CMailIntern=0 tVereinsname'Kelmsdorfer Lohnsteuerberatung' "
              "tBarCodeFont'' tBarCodeSize'' TImages'' TBelege'' TPdfViewer'' tPdfDrucker=0~ CViewBescheide=1 "
              "CCheckBeitrag=1 CScanDocs=1 CScanDate=0 CExtScanner=0 CAddButtons=0 CViewLokalfile=0 CUnterschrift=0 "
              "tDatFile'C:\\Orvintal\\' tMdbFile'' cMDBUsed=0 cSQLUsed=0 cMDBAddin=0 CAutoDataImport=0 "
              "cMdbFileRythm=0 cMdbOverwrite=0 cPelmondo=1 cNoTmpBeitrag=1 cNoKillDB=1 cStateMarkView=0 "
              "TAnfang1'001' TEnde1'890' TAnfang2'900' TEnde2'999' LKalender=0 CShowNoContactsDeaktiviert=1- "
              "tFormulare'' CAutoTaxBackup=0 CBackup1=1- CBackup2=1- CBackup3=1- CBackup4=1- CBackup5=1- "
              "tAutoBackupFolder''- CAutoTaxTime=0- ");
    EXPECT_EQ(s.p.ini.Read("C:\\Orvintal\\DATASAFE.INI", "AUTOFILE", "B5"), "1");
    EXPECT_EQ(s.hub.settings.ReadInt(Setting::OneCalendar), 0);
}

// Stores prepared as peers leave them: each row sets up the system and names the controls it expects.
TEST(OptionsTest, LoadingFollowsTheStores) {
    const struct {
        std::function<void(OptionsSystem&)> prepare;
        std::string expected;  // the Describe() pieces that must appear
    } cases[] = {
        {[](OptionsSystem& s) { s.Store("ALizenz0", SzData("Verein Nord, ")); }, "tVereinsname'Verein Nord' "},
        {[](OptionsSystem& s) { s.p.files.Delete("C:\\Orvintal\\Data\\Plz.dat"); }, "CPostleitzahl=0- "},
        {[](OptionsSystem& s) { s.Store("QuittungVerboten", DwordData(1)); }, "CQuittungVerboten=1- "},
        {[](OptionsSystem& s) { s.Put(kDatabase, "[000]\r\n" + Line("B1", "8999")); }, "TAnfang2'9000' "},
        {[](OptionsSystem& s) { s.Store("Maustaste", SzData("3")); }, "CMaustaste=3 "},
        {[](OptionsSystem& s) { s.Store("NoInfoSound", DwordData(1)), s.Store("Klicker", DwordData(0)); }, "CKlicker=0 "},
        {[](OptionsSystem& s) { s.Store("MDBUsed", SzData("D:\\sql.mdb")); }, "tMdbFile'D:\\sql.mdb' cMDBUsed=1 "},
        {[](OptionsSystem& s) { s.Store("AutoUpdate", DwordData(0)); }, "CAutoUpdate=0 CInternetUpdate=1 CPackageUpdate=1~ "},
        {[](OptionsSystem& s) { s.Store("AutoTaxBackup", SzData("1")); }, "CAutoTaxBackup=1 CBackup1=1 "},
        {[](OptionsSystem& s) { s.Put("C:\\Orvintal\\Tips.dat", "[Ex]\r\nShow=1\r\n"); }, "CTipsTricks=1~ "},
        {[](OptionsSystem& s) { s.Put("C:\\Orvintal\\SIGNUP.DAT"), s.Store("Unterschrift", DwordData(0)); }, "CUnterschrift=1 "},
        {[](OptionsSystem& s) { s.Put("C:\\Windows\\Fonts\\Code-39-25.ttf"); }, "tBarCodeFont'Code-39-25' "},
        {[](OptionsSystem& s) { s.Store("BarcodeFont", SzData("arial")), s.Store("BarcodeSize", SzData("9.5")); },
         "tBarCodeFont'arial' tBarCodeSize'09' "},
        {[](OptionsSystem& s) { s.Put("C:\\Orvintal\\DATASAFE.INI", "[AUTOFILE]\r\nB2=0\r\nB3=1\r\n"), s.Store("AutoTaxBackup", DwordData(1)); },
         "CBackup1=0 CBackup2=0 CBackup3=1 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        OptionsSystem s;
        c.prepare(s);
        EXPECT_NE(Describe(OptionsLoad(s.hub)).find(c.expected), std::string::npos) << Describe(OptionsLoad(s.hub));
    }
}

// One row per interlock: the user's change, the answers given, the control's value afterwards and the box shown.
TEST(OptionsTest, Interlocks) {
    const struct {
        C control;
        int value;
        std::string password;
        std::deque<MsgAnswer> answers;
        std::deque<std::optional<std::string>> typed;
        int expected;
        std::string title;  // of the one box shown, empty for none
    } cases[] = {
        {C::CExplorer, 0, "", {MsgAnswer::No}, {}, 1, "  Einstellungen"},
        {C::CExplorer, 0, "", {MsgAnswer::Yes}, {}, 0, "  Einstellungen"},
        {C::CQuittungVerboten, 0, "", {}, {}, 1, "  Einstellungen"},
        {C::CQuittungVerboten, 1, "", {}, {}, 0, "  Einstellungen"},
        {C::CQuittungVerboten, 0, "geheim", {}, {std::nullopt}, 1, ""},
        {C::CQuittungVerboten, 0, "geheim", {}, {"geheim"}, 0, ""},
        {C::CQuittungVerboten, 1, "geheim", {}, {}, 1, ""},
        {C::CUnterschrift, 1, "", {MsgAnswer::Yes}, {}, 1, " Brekkan Orvintal"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        OptionsSystem s;
        s.Put(kDatabase, "[000]\r\n" + Line("PaySecurity", c.password) + Line("A1", "001"));
        OptionsForm form = OptionsLoad(s.hub);
        s.p.dialogs.answers = c.answers;
        s.p.dialogs.typed = c.typed;
        form[c.control].value = c.value;
        OptionsOnEvent(s.hub, form, c.control, OptionsEvent::Click);
        EXPECT_EQ(form[c.control].value, c.expected);
        EXPECT_EQ(s.p.dialogs.shown.empty() ? "" : s.p.dialogs.shown[0].title, c.title);
    }
    // The signature assistant is missing: the user is told after the offer.
    OptionsSystem s;
    OptionsForm form = OptionsLoad(s.hub);
    form[C::CUnterschrift].value = 1;
    s.p.dialogs.answers = {MsgAnswer::Yes};
    OptionsOnEvent(s.hub, form, C::CUnterschrift, OptionsEvent::Click);
    EXPECT_EQ(s.p.dialogs.shown.at(1).text, "Die Anwendung ''SignChk.exe'' für Unterschriften konnte nicht gefunden werden. ");
    // At 640 x 480 the printer submenu cannot be switched on.
    s.p.windows.screen = {640, 480};
    form[C::CDrucker].value = 1;
    OptionsOnEvent(s.hub, form, C::CDrucker, OptionsEvent::Click);
    EXPECT_EQ(form[C::CDrucker].value, 0);
    EXPECT_EQ(s.p.dialogs.shown.back().title, " Druckerauswahl");
}

TEST(OptionsTest, FieldsPagesAndTimers) {
    OptionsSystem s;
    OptionsForm form = OptionsLoad(s.hub);
    form[C::TAnfang1].text = "7";
    form[C::TEnde1].text = "x1";
    OptionsOnEvent(s.hub, form, C::TEnde2, OptionsEvent::FocusOut);
    EXPECT_EQ(form[C::TAnfang1].text + form[C::TEnde1].text, "007x1");
    OptionsOnEvent(s.hub, form, C::TEnde1, OptionsEvent::Enter);
    EXPECT_EQ(form.focus, C::TAnfang2);

    // The SQL rules run only while page 5 shows.
    form[C::CAutoDataImport].value = 1;
    OptionsTimer1Tick(form);
    EXPECT_TRUE(form[C::CAutoDataImport].enabled);
    OptionsShowPage(form, 5);
    EXPECT_EQ(form.focus, C::cMDBUsed);
    OptionsTimer1Tick(form);
    EXPECT_EQ(form[C::CAutoDataImport].value, 0);
    EXPECT_FALSE(form[C::tMdbFile].enabled);
    form[C::cMDBUsed].value = 1;
    OptionsTimer1Tick(form);
    EXPECT_TRUE(form[C::tMdbFile].enabled);
    EXPECT_EQ(form[C::cPelmondo].value + form[C::cPelmondo].enabled, 0);

    // The help tip shows for three ticks, then goes for good.
    std::string shown;
    for (int tick = 0; tick < 5; ++tick) OptionsTooltipTick(form), shown += form.tooltipShown ? "1" : "0";
    EXPECT_EQ(shown, "11100");
}

// The stored settings as "Name=value ", in the table's order.
std::string KeyText(OptionsSystem& s) {
    std::string text;
    for (std::size_t i = 0; i < AllSettings().size(); ++i)
        if (std::string value; s.hub.settings.Get(static_cast<Setting>(i), value))
            text += std::string(AllSettings()[i].name) + "=" + value + " ";
    return text;
}

// The whole key after an Ok, one line of options_saved.txt per row: the first Ok on a key that loading corrects
// (no street directory, a calendar and a start entry out of range, a mouse key that is no number, an association
// name ending in ",", a signature flag without the file, a backup list with "ja"), and an Ok after every control
// bound to a setting was changed.
TEST(OptionsSaveTest, OkStoresWhatTheWindowShows) {
    std::ifstream expected(KOLVANE_SOURCE_DIR "/tests/parts/options/options_saved.txt", std::ios::binary);
    for (const bool changeAll : {false, true}) {
        SCOPED_TRACE(changeAll);
        OptionsSystem s;
        for (const auto& [name, data] : {std::pair{"Postleitzahl", DwordData(1)}, {"Calendar", DwordData(7)},
                                         {"StartApp", DwordData(9)}, {"Maustaste", SzData("links")},
                                         {"ALizenz0", SzData("Verein,")}, {"Unterschrift", DwordData(1)}})
            if (!changeAll) s.Store(name, data);
        s.Put("C:\\Orvintal\\DATASAFE.INI", "[AUTOFILE]\r\nB1=ja\r\nB2=1\r\nB3=0\r\n");
        if (!changeAll) s.p.files.Delete("C:\\Orvintal\\Data\\Plz.dat");
        OptionsForm form = OptionsLoad(s.hub);
        for (const OptionsControl& c : AllControls()) {
            if (!changeAll || !c.setting || c.id == C::tDatFile) continue;
            ControlState& state = form[c.id];
            if (c.kind == CtlKind::Check) state.value = 1 - state.value;
            else if (c.kind == CtlKind::List) state.value = static_cast<int>(state.items.size()) - 1;
            else state.text = "X" + std::string(c.name);
        }
        if (changeAll) form[C::TPdfViewer].text = "V", form.pdfTools = {"", "E", "T", "D"};
        EnableTimer(s.hub, HubTimer::Timer1, true);
        ASSERT_EQ(OptionsSave(s.hub, form), OptionsOutcome::Saved);
        std::string line;
        std::getline(expected, line);
        EXPECT_EQ(KeyText(s), line);
        EXPECT_EQ(TimerEnabled(s.hub, HubTimer::Timer1), !changeAll);
        EXPECT_EQ(s.p.files.ReadAll("C:\\Orvintal\\DATASAFE.INI"), "[AUTOFILE]\r\nB1=0\r\nB2=1\r\nB3=0\r\nB4=0\r\nB5=0\r\n");
    }
}

// Every check runs before anything is written: a refused save changes neither the registry nor the database.
TEST(OptionsSaveTest, ChecksComeFirst) {
    using M = MessageBoxRequest;
    const char* ranges = " Brekkan Mitgliederbereich";
    const M order{"Fehlerhafte Vergabe der Lizenz-Nummern. \nZahlen müssen pro Feld immer größer werden.", ranges,
                  MsgButtons::Ok, MsgIcon::Critical};
    const M gap{"Fehlerhafte Vergabe der Lizenz-Nummern. \nDie Haupt- und Nebenstelle benötigen 3 freie Stellen.", ranges,
                MsgButtons::Ok, MsgIcon::Exclamation};
    const M digits{"In Orvintal sind max. 4-stellige Mitgliedsnummern erlaubt. ", ranges, MsgButtons::Ok, MsgIcon::Exclamation};
    auto options = [](const char* text) { return M{text, "  Einstellungen", MsgButtons::Ok, MsgIcon::Exclamation}; };
    const struct {
        std::array<const char*, 4> ranges;
        std::function<void(OptionsForm&)> edit;
        std::optional<MessageBoxRequest> box;  // nothing: saved
        C focus;
        std::string storedA1;
    } cases[] = {
        {{"001", "890", "892", "999"}, {}, gap, C::TAnfang2, "001"},
        {{"001", "890", "894", "999"}, {}, {}, C::TAnfang1, "001"},
        {{"001", "999", "1003", "1999"}, {}, {}, C::TAnfang1, "001"},
        {{"001", "890", "900", "9999"}, {}, digits, C::TEnde2, "001"},
        {{"001", "890", "900", "10000"}, {}, digits, C::TEnde2, "001"},
        {{"001", "890", "900", "9998"}, {}, {}, C::TAnfang1, "001"},
        {{"12", "890", "900", "999"}, {}, {}, C::TAnfang1, "012"},
        {{"x", "890", "900", "999"}, {}, order, C::TAnfang1, "001"},
        {{"001", "890", "900", "+999"}, {}, order, C::TAnfang1, "001"},
        {{"500", "400", "900", "999"}, {}, order, C::TAnfang1, "001"},
        {{"001", "890", "900", "999"}, [](OptionsForm& f) { f[C::cMDBUsed].value = 1; },
         options("Bitte geben Sie den Speicherort der SQL-Datenbank an.  \nDeaktivieren Sie ggf. die Verwendung der Datenbank."),
         C::tMdbFile, "001"},
        {{"001", "890", "900", "999"}, [](OptionsForm& f) { f[C::tDatFile].text = "C:\\Nirgends"; },
         options("Der Ordner für die Datenbanken wurde nicht gefunden:\nC:\\Nirgends\\"), C::tDatFile, "001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        OptionsSystem s;
        OptionsForm form = OptionsLoad(s.hub);
        for (std::size_t i = 0; i < 4; ++i) form[kRangeFields[i]].text = c.ranges[i];
        if (c.edit) c.edit(form);
        form[C::CSecurity].value = 1;
        const auto registry = s.p.registry.Dump();
        const std::string database = s.Ranges();
        const auto outcome = OptionsSave(s.hub, form);
        EXPECT_EQ(outcome.has_value(), !c.box);
        EXPECT_EQ(s.p.dialogs.shown, c.box ? std::vector{*c.box} : std::vector<MessageBoxRequest>{});
        if (c.box) {
            EXPECT_EQ(form.focus, c.focus);
            EXPECT_EQ(s.p.registry.Dump(), registry);
            EXPECT_EQ(s.Ranges(), database);
        }
        EXPECT_EQ(MemberDatabase(s.p.os, kDatabase).Read("000", "A1"), c.storedA1);
    }
}

// The database folder's files are checked before the first write, and the message names the cause; a folder that
// is gone does not keep the user from changing to another one. The folder changes only after the question; the
// ranges go to the database they were read from.
TEST(OptionsSaveTest, DatabaseFolderCheckedBeforeTheFirstWrite) {
    const std::string gone = "\\\\Server\\Weg\\", busy = " wird gerade an einem anderen Arbeitsplatz bearbeitet.\n"
                                                       "Bitte versuchen Sie es in einigen Sekunden noch einmal.";
    const MessageBoxRequest change{"Möchten Sie den Ordner für die Datenbanken wirklich ändern ?  ", " Brekkan Orvintal",
                                   MsgButtons::RetryCancel, MsgIcon::Exclamation};
    const std::string here = "C:\\Orvintal\\";
    const struct {
        std::string folder, held, chosen, text;  // text: the box that stops the save, none when it goes on
        MsgAnswer answer = MsgAnswer::Retry;
        std::string ranges = "[000]\r\n" + Line("A1", "001") + Line("A2", "890") + Line("B1", "900") + Line("B2", "999");
    } cases[] = {
        {gone, "", "", "Der Ordner für die Datenbanken ist nicht erreichbar:\n" + gone +
                           "\nPrüfen Sie die Verbindung zum Netzwerk oder wählen Sie einen anderen Ordner."},
        {gone, "", "D:\\Neu", ""},
        {here, "", "d:\\neu", "", MsgAnswer::Retry, ""},
        {here, "", "D:\\Neu", "", MsgAnswer::Cancel, ""},
        {here, here + "DATEX.DAT.lck", "", "Die Datei C:\\Orvintal\\DATEX.DAT" + busy},
        {here, here + "DATASAFE.INI", "", "Die Datei C:\\Orvintal\\DATASAFE.INI" + busy},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        OptionsSystem s;
        s.Put("D:\\Neu\\DATEX.DAT", "[000]\r\n");
        s.hub.LrDatabase = c.folder;
        s.Store("Database", SzData(c.folder));
        OptionsForm form = OptionsLoad(s.hub);
        for (std::size_t i = 0; i < 4; ++i) form[kRangeFields[i]].text = std::array{"001", "890", "900", "1500"}[i];
        if (!c.chosen.empty()) form[C::tDatFile].text = c.chosen;
        const auto lock = c.held.ends_with(".lck") ? s.p.locks.TryLock(c.held) : nullptr;
        const auto held = c.held.ends_with(".INI") ? s.p.files.Hold(c.held) : nullptr;
        const auto registry = s.p.registry.Dump();
        s.p.dialogs.answers = {c.answer};
        EXPECT_EQ(OptionsSave(s.hub, form).has_value(), c.text.empty());
        const MessageBoxRequest stop{c.text, "  Einstellungen", MsgButtons::Ok, MsgIcon::Exclamation};
        EXPECT_EQ(s.p.dialogs.shown, std::vector{c.text.empty() ? change : stop});
        EXPECT_TRUE(c.text.empty() || s.p.registry.Dump() == registry);
        const std::string folder = c.text.empty() && c.answer == MsgAnswer::Retry ? c.chosen + "\\" : c.folder;
        EXPECT_EQ(s.hub.LrDatabase + "|" + s.hub.settings.ReadText(Setting::Database), folder + "|" + folder);
        EXPECT_EQ(s.Ranges(), c.ranges.empty() ? "[000]\r\n" + Line("A1", "001") + Line("A2", "890") + Line("B1", "900") +
                                                     Line("B2", "1500")
                                               : c.ranges);
        EXPECT_EQ(s.p.files.ReadAll("D:\\Neu\\DATEX.DAT"), "[000]\r\n");
    }
}

TEST(OptionsSaveTest, SqlAutostartAndPrinterFolder) {
    OptionsSystem s;
    s.Store("MdbOverwrite", DwordData(1));
    s.Store("Pelmondo", DwordData(0));
    s.p.registry.Put(kPdfPrinterKey.root, kPdfPrinterKey.path, "AutoSaveDir", SzData("C:\\Weg"));
    RegCreateKey(s.p.registry, kRunKey.root, kRunKey.path, "");
    OptionsForm form = OptionsLoad(s.hub);
    form[C::CAutostart].value = 1;
    form[C::TBelege].text = "C:\\Orvintal\\Belege\\";
    EXPECT_EQ(OptionsSave(s.hub, form), OptionsOutcome::Saved);
    EXPECT_FALSE(s.hub.settings.Exists(Setting::MdbOverwrite));
    EXPECT_EQ(s.hub.settings.ReadInt(Setting::Pelmondo), 1);
    std::string text;
    EXPECT_EQ(s.p.ini.Read("C:\\Orvintal\\SETUP.INI", "Setup", "Win64Dir"), "C:\\Orvintal\\KOLVANE.EXE");
    RegGetSetting(s.p.registry, s.p.kernel, kPdfPrinterKey.root, kPdfPrinterKey.path, "AutoSaveDir", text);
    EXPECT_EQ(text, "C:\\Orvintal\\Belege");
    form = OptionsLoad(s.hub);
    form[C::CAutostart].value = 0;
    form[C::TBelege].text = "D:\\";
    EXPECT_EQ(OptionsSave(s.hub, form), OptionsOutcome::Saved);
    EXPECT_FALSE(s.p.registry.QueryValue(kRunKey.root, kRunKey.path, "Orvintal"));
    RegGetSetting(s.p.registry, s.p.kernel, kPdfPrinterKey.root, kPdfPrinterKey.path, "AutoSaveDir", text);
    EXPECT_EQ(text, "D:\\");
}

// The explorer's place changes only with a new hub: asked once, then handed over to a new process.
TEST(OptionsSaveTest, VersetzungRestartsTheHub) {
    OptionsSystem s;
    s.Store("Versetzung", DwordData(0));
    s.Put("C:\\Orvintal\\KOLVANE.EXE");
    OptionsForm form = OptionsLoad(s.hub);
    form[C::CShowNoContacts].value = 0;  // alone no reason once the place is stored
    EXPECT_EQ(OptionsSave(s.hub, (form = OptionsLoad(s.hub), form)), OptionsOutcome::Saved);
    EXPECT_TRUE(s.p.dialogs.shown.empty());
    form[C::CVersetzung].value = 1;
    s.p.dialogs.answers = {MsgAnswer::Ok};
    EXPECT_EQ(OptionsSave(s.hub, form), OptionsOutcome::Restarting);
    EXPECT_EQ(s.p.windows.GetText(s.hub.Root), "Brekkan Orvintal  Zweite Instanz");
    EXPECT_EQ(s.p.shell.started.at(0).commandLine, "\"C:\\Orvintal\\KOLVANE.EXE\"");
    EXPECT_TRUE(SentClose(s.p, s.hub));
}

}  // namespace
}  // namespace kolvane
