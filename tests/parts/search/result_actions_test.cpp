#include "search/result_actions.h"

#include "store/member_database.h"

#include "search_fixture.h"

namespace kolvane {
namespace {

using E = ObjekteEntry;

// Every entry's command line, hand-over values and messages, case by case on the hand-made members.
TEST_F(SearchTest, EachResultEntryHandsTheMemberOverAsThePeersExpect) {
    for (const char* program : {"QUILL.EXE", "LINKPORT.EXE", "ACCOUNTS.EXE", "RETURNS.EXE", "Taxstore.exe", "FORMDESK.EXE"})
        Put(program);
    Put("TAXES.CFG=[01]\r\nName=ESt & Soli 2008\r\nDir=2008\r\n[02]\r\nDir=2012\r\n");
    p.files.Put("C:\\Returns\\2008\\042.ESt2008", "");
    const auto box = [](const char* text, MsgIcon icon) {
        return std::vector<MessageBoxRequest>{{text, "  Personen suchen", MsgButtons::Ok, icon}};
    };
    struct Case {
        E entry;
        std::string id;
        std::vector<std::string> outcome;
        std::string values;
        std::function<void()> setup = nullptr;
        std::vector<MessageBoxRequest> boxes = {};
    } cases[] = {
        {E::mnuKurzmitteilung, "042", {"%QUILL.EXE\" 042"}, "LastUser=042 Kurzmitteilung=042 "},
        {E::mnuInterface, "1000", {"%LINKPORT.EXE\" 1000"}, "LastUser=1000 Kurzmitteilung=1000 "},
        {E::mnuQuittungen, "001", {}, "", [&] { hub.settings.WriteInt(Setting::QuittungVerboten, 1); },
         box("Die Quittungen können von diesem Computer nicht gedruckt werden. \n"
             "Bitte wenden Sie sich an den Beratungsstellenleiter ...", MsgIcon::Critical)},
        {E::mnuBearbeiten, "042", {"%ACCOUNTS.EXE\" 042"}, "LastUser=042 "},  // left yesterday
        {E::mnuMails, "001",
         {"Open mailto:hans%20müller%26co@mueller.example?Subject=Kelmsdorfer Lohnsteuerberatung für Arbeitnehmer e.V.&Body="},
         "LastUser=001 Kurzmitteilung=001 "},
        {E::mnuMails, "1500", {}, "LastUser=1500 Kurzmitteilung=1500 ", nullptr,
         box("Die E-Mail-Adresse \"eva.strasser\" kann nicht verwendet werden.\n"
             "Bitte korrigieren Sie sie in der Mitgliederverwaltung.", MsgIcon::Exclamation)},
        {E::mnuSteuerFiles1, "042", {"%RETURNS.EXE\" 042"}, "LastUser=042 Jahrgang=2008 Steuerjahr=8 ",
         [&] { hub.settings.WriteText(Setting::Erklaerungen, "C:\\Returns"); }},
        {E::mnuSteuerFiles1, "001", {"%Taxstore.exe\"", "%RETURNS.EXE\" 001"}, "LastUser=001 Jahrgang=2008 Steuerjahr=8 ",
         [&] { p.files.Put("C:\\Returns\\2007\\001.ESt2007", ""); }},  // last year's alone
        {E::mnuSteuerFiles2, "001", {"%Taxstore.exe\"", "%RETURNS.EXE\" 001"}, "LastUser=001 Jahrgang=2012 Steuerjahr=12 "},
        {E::mnuUeberweisungen, "001", {"%FORMDESK.EXE\"", "waited 3000 ms"}, "",
         [&] { p.registry.Put(kTransferFormKey.root, kTransferFormKey.path, kKontodatenValue, DwordData(5)); }},
    };
    const Setting handed[] = {Setting::LastUser, Setting::Kurzmitteilung, Setting::Jahrgang, Setting::Steuerjahr};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(kObjekteItems[static_cast<std::size_t>(c.entry)].caption) + " " + c.id);
        for (Setting s : handed) hub.settings.Delete(s);
        p.shell.started.clear(), p.shell.executed.clear(), p.dialogs.shown.clear();
        if (c.setup) c.setup();
        RunObjekteEntry(hub, Form().objekte, c.entry, {c.id, "Müller", "Hans und Erika"});
        EXPECT_EQ(std::exchange(p.dialogs.shown, {}), c.boxes);
        EXPECT_EQ(Outcome(), c.outcome);
        std::string values;
        for (Setting s : handed)
            if (hub.settings.Exists(s)) values += std::string(EntryOf(s).name) + "=" + hub.settings.ReadText(s) + " ";
        EXPECT_EQ(values, c.values);
    }
    EXPECT_FALSE(Form().objekte.Enabled(E::mnuQuittungen));
    const auto transfer = [&](const char* name) {
        return p.registry.QueryValue(kTransferFormKey.root, kTransferFormKey.path, name)->bytes;
    };
    EXPECT_EQ(transfer(kInhaberValue) + transfer(kKontodatenValue), SzData("Müller, Hans und Erika").bytes + DwordData(0).bytes);
    // The menu over a hit: the tax years' captions ("&" doubled, so that the menu shows it), "E-Mail senden" only
    // for a member with an address; the damaged "AUSTRITT" of 002 is never read for it.
    search.Load();
    EXPECT_EQ(Form().objekte.Caption(kObjekteItems[2]) + "|" + Form().objekte.Caption(kObjekteItems[3]),
              " ESt && Soli 2008|ESt.-VJ. 200_ ");
    for (const auto& [id, mails] : {std::pair("001", true), std::pair("002", false)}) {
        Form().VNamen = {{id, "", ""}};
        search.RowReleased(0);
        EXPECT_EQ(Form().objekte.Enabled(E::mnuMails), mails) << id;
    }
    EXPECT_TRUE(p.dialogs.shown.empty());
}

// Support staff read the diagnostic log; a search, a hand-over and a save whose writes the system refuses leave
// their lines there, but nothing of the member: no name, no number.
TEST_F(SearchTest, TheDiagnosticLogKeepsNothingOfTheMembers) {
    Put("QUILL.EXE"), p.files.Put("C:\\Temp\\KOLVANE.LOG", "");
    p.files.onChange = AllButTheLogFail;
    Search("Müller");
    RunObjekteEntry(hub, Form().objekte, E::mnuKurzmitteilung, {"042", "Schmidt", "Peter und Jutta"});
    EXPECT_EQ(MemberDatabase(hub.os, Database()).Write("042", "NAME", "Schmidtke"), SaveResult::Failed);
    const std::string log = p.files.ReadAll("C:\\Temp\\KOLVANE.LOG").value_or("");
    for (const char* member : {"Müller", "Schmidt", "Peter", "042", "10115", "12 345"})
        EXPECT_EQ(log.find(member), std::string::npos) << member << " in\n" << log;
    EXPECT_NE(log.find("Schreiben fehlgeschlagen"), std::string::npos) << "the log was written";
}

}  // namespace
}  // namespace kolvane
