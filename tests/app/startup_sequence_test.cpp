#include "app/startup_sequence.h"
#include "members/sender_data.h"

#include "hub/hub_fixture.h"

namespace kolvane {
namespace {

struct StartSystem : InstalledSystem {
    using InstalledSystem::InstalledSystem;
    // Runs the start, as the next start of the hub when one ran before; true when it ended the process.
    bool Run() {
        hub.mutex.reset();
        p.shell.started.clear();
        return Ends([&] { RunStartup(hub); });
    }
    std::string Text(Setting s) { return hub.settings.ReadText(s); }
    bool Ran(const std::string& commandLine, ShowState show = ShowState::Normal) {
        return std::count(p.shell.started.begin(), p.shell.started.end(), Started{commandLine, show}) > 0;
    }
    std::string Reg(const RegKeyPath& key, const std::string& name) {
        std::string text;
        RegGetSetting(p.registry, p.kernel, key.root, key.path, name, text);
        return text;
    }
};

TEST(StartupTest, FirstRunOfInstallationHandsOverToTheAgent) {
    MemoryPlatform p;
    Hub hub(p.os);
    p.clock.Set({2099, 12, 31, 23, 59, 58});
    p.files.Put("C:\\Orvintal\\HUBAGENT.EXE", "");

    EXPECT_THROW(RunStartup(hub), ProcessTerminated);

    // The date after the splash waits, midnight without a time.
    EXPECT_EQ(hub.settings.ReadText(Setting::Fristwaechter) + " " + hub.settings.ReadText(Setting::Steuerjahr) + " " +
                  hub.settings.ReadText(Setting::Jahrgang), "01.01.2100 99 2099");
    EXPECT_EQ(hub.settings.ReadInt(Setting::NoTmpBeitrag) + hub.settings.ReadInt(Setting::NoKillIHP), 2);
    EXPECT_EQ(p.shell.started, (std::vector<Started>{{"\"C:\\Orvintal\\HUBAGENT.EXE\"", ShowState::Normal}}));
    EXPECT_FALSE(hub.settings.Exists(Setting::InstallDir)) << "the agent completes the installation, not this start";
}

TEST(StartupTest, InstalledStartLeavesTheHubRunning) {
    StartSystem s;
    s.p.kernel.version = {3, 7, 12};
    s.hub.settings.WriteText(Setting::Steuertips, "Belege sammeln");
    s.Put("C:\\Orvintal\\EXIT.SUB", "\r\n");
    const std::string database = "[000]\r\n" + Line("A1", "001") + Line("A2", "890") + Line("B1", "895") + Line("B2", "1999");
    s.Put(kDatabase, database);
    // Programs run elevated once asked to; a mark set by the user stays, and only existing programs get one.
    const RegKeyPath& layers = kAppCompatLayersKey;
    RegCreateKey(s.p.registry, layers.root, layers.path, "");
    RegSetSetting(s.p.registry, layers.root, layers.path, "C:\\Orvintal\\ACCOUNTS.EXE", std::string("~ HIGHDPIAWARE"));
    s.hub.settings.WriteInt(Setting::RunAdmin, 1);
    for (const char* name : {"ACCOUNTS.EXE", "UPDCTRL.DLL", "README.TXT"}) s.Put(std::string("C:\\Orvintal\\") + name);
    // Like the setup program, which creates the help restriction keys, the hub never creates them itself.
    RegCreateKey(s.p.registry, kHtmlHelpRestrictionKeys[0].root, kHtmlHelpRestrictionKeys[0].path, "");

    struct : AbsenderView { int shown = 0; void ShowModal(Hub&, AbsenderForm&) override { ++shown; } void BringToFront() override {} } absender;
    s.hub.absenderView = &absender;
    EXPECT_FALSE(s.Run());

    const std::pair<Setting, const char*> written[] = {
        {Setting::InstallDir, "C:\\Orvintal"}, {Setting::Version, "3.7.12"}, {Setting::Steuertips_03, "Belege sammeln"},
        {Setting::Images, "C:\\Orvintal\\Printer\\"}, {Setting::RunAdmin, "2"}, {Setting::Steuertips, ""},
        {Setting::HashFile, ""}};  // no fingerprint while NoTmpBeitrag, absent, reads 1
    for (const auto& [setting, text] : written) EXPECT_EQ(s.Text(setting), text) << EntryOf(setting).name;
    EXPECT_FALSE(s.p.files.Exists("C:\\Orvintal\\EXIT.SUB")) << "the exit marker goes at the end of the start";
    EXPECT_EQ(s.p.files.ReadAll("C:\\Orvintal\\DATEX.NET"), database) << "local copy of a local database";
    EXPECT_EQ(s.hub.memberRanges, (MemberRanges{1, 890, 895, 1999}));
    ASSERT_EQ(s.p.dialogs.shown.size(), 1u);
    EXPECT_EQ(std::pair(s.p.dialogs.shown[0].title, absender.shown), std::pair(std::string(" Herzlich Willkommen"), 1))
        << "the welcome and the sender data window until the sender data exist";
    for (const auto& [name, mark] : {std::pair{"ACCOUNTS.EXE", "~ HIGHDPIAWARE"}, {"UPDCTRL.DLL", "~ RUNASADMIN"},
                                     {"README.TXT", ""}, {"HUBAGENT.EXE", ""}})
        EXPECT_EQ(s.Reg(layers, std::string("C:\\Orvintal\\") + name), mark) << name;
    for (const RegKeyPath& help : kHtmlHelpRestrictionKeys) {
        std::int32_t zone = 0;
        const bool existed = &help == &kHtmlHelpRestrictionKeys[0];
        EXPECT_EQ(std::pair(RegGetSetting(s.p.registry, s.p.kernel, help.root, help.path, kMaxAllowedZoneValue, zone), zone),
                  std::pair(existed, existed ? 4 : 0));
    }
}

// Another hub's window or its mutex: the start shows the hint (unless started with "/s") and ends, writing nothing,
// before an update is due or waiting settings are handed over.
TEST(StartupTest, SecondStartEndsWithoutWritingAnything) {
    for (const auto& [commandLine, byMutex, hintShown] : {std::tuple{"", false, true}, {"/s", false, false}, {"", true, true}}) {
        StartSystem s;
        EventLog writes;
        LoggingRegistry registry(s.p.registry, writes);
        Platform os{registry, s.p.ini, s.p.windows, s.p.tray, s.p.shell, s.p.kernel, s.p.files, s.p.clock, s.p.dialogs,
                    s.p.md5, s.p.network, s.p.locks};
        Hub second(os);
        second.Root = s.hub.Root;
        if (byMutex) s.p.kernel.heldMutexes->insert("Orvintal");
        else s.p.windows.Create(kHubClass, kHubCaption);  // the hub that runs already
        for (const char* file : {"HINTFEED.EXE", "BUDGET.XML", "UPDCTRL.DLL", "UPDATE.SET"}) s.Put(std::string("C:\\Orvintal\\") + file);
        s.p.kernel.commandLine = commandLine;
        EXPECT_THROW(RunStartup(second), ProcessTerminated);
        const std::vector<Started> hint{{"\"C:\\Orvintal\\HINTFEED.EXE\" /x", ShowState::Normal}};
        EXPECT_EQ(std::tuple(writes, s.p.files.Exists("C:\\Orvintal\\BUDGET.XML"), s.p.shell.started),
                  std::tuple(EventLog{}, true, hintShown ? hint : std::vector<Started>{}))
            << commandLine << byMutex;
        EXPECT_NEAR(s.p.clock.Elapsed(), byMutex ? 0 : 4, 0.1);
    }
}

// Waits that must end: a restart ("Dritte Instanz" in its predecessor's caption) for the mutex, the start delay
// within 0 to 60 seconds, the index builder. ("$Ende$" in each of them: the peers scenario.)
TEST(StartupTest, EveryWaitOfTheStartIsBounded) {
    const std::string restarting = std::string("Dritte Instanz") + kHubCaption;
    const std::string moving = std::string(kHubCaption) + "Zweite Instanz";  // the explorer's new place
    for (const auto& [caption, letsGo] : {std::pair{restarting, true}, {restarting, false}, {moving, true},
                                          {"Zweite Instanz" + moving, true}}) {
        StartSystem s;
        WindowId predecessor = s.p.windows.Create(kHubClass, caption);
        s.p.kernel.heldMutexes->insert("Orvintal");
        if (letsGo) s.p.clock.Schedule(3.5, [&] { s.p.kernel.heldMutexes->erase("Orvintal"), s.p.windows.Destroy(predecessor); });
        EXPECT_EQ(s.Run(), !letsGo);
        EXPECT_TRUE(!letsGo || (s.hub.restart && s.hub.mutex != nullptr));
        EXPECT_LT(s.p.clock.Elapsed(), 30);
    }

    StartSystem reference;  // without a stored delay: the designed second, written for the next start
    reference.Store("StartTime", std::nullopt);
    reference.Run();
    EXPECT_EQ(reference.Text(Setting::StartTime), "1");
    for (const auto& [delay, waited] : {std::pair{100000, 60.0}, {-5, 0.0}}) {
        StartSystem s;
        s.Store("StartTime", DwordData(delay));
        s.Run();
        EXPECT_NEAR(s.p.clock.Elapsed() - reference.p.clock.Elapsed(), waited - 1, 0.2) << delay;
    }

    reference.p.windows.Create(kHubClass, "Brekkan PictHelp IDE");
    const double before = reference.p.clock.Elapsed();
    reference.Run();
    EXPECT_NEAR(reference.p.clock.Elapsed() - before, 190, 10);
}

TEST(StartupTest, DatabaseFolderIsReadAndEndsInABackslash) {
    const std::pair<std::optional<RegData>, const char*> cases[] = {
        {std::nullopt, "C:\\Orvintal\\"},  // absent: the program folder is written
        {SzData(std::string("D:\\X\0Rest", 9)), "D:\\X\\"},
        {SzData("<DATABASE>"), "C:\\Documents\\"},  // the placeholder of an unfinished setup
    };
    for (const auto& [stored, folder] : cases) {
        StartSystem s;
        s.Store("Database", stored);
        s.Put(std::string(folder) + "DATEX.DAT", ConfiguredDatabase());
        s.Run();
        EXPECT_EQ(s.hub.LrDatabase, folder);
        EXPECT_TRUE(stored || s.Text(Setting::Database) == "C:\\Orvintal\\");
    }
}

// Repeated starts: with the temporary contributions database in use the database's fingerprint is recorded, and
// when it has changed also the database's date, and the index is rebuilt; every fifth start runs the tax office
// sync; a missing printer is reported at the first start only.
TEST(StartupTest, RepeatedStartsCountAndReportOnce) {
    StartSystem s;
    for (const char* program : {"TAXOFFIC.EXE", "FEEDESK.EXE", "HINTFEED.EXE"}) s.Put(std::string("C:\\Orvintal\\") + program);
    s.Put(kDatabase, ConfiguredDatabase() + Line("MDBLOAD", "0") + Line("MdbImportUse", "0"));  // marked: the start leaves it as it is
    s.p.files.SetModifiedTime(kDatabase, {2026, 11, 30, 8, 15, 0});
    s.hub.settings.WriteInt(Setting::NoTmpBeitrag, 0);
    s.hub.settings.WriteText(Setting::ALizenz1, "Kelmsdorfer Lohnsteuerberatung");
    s.p.dialogs.printers.clear();
    for (int start = 0; start < 6; ++start) {
        if (start == 2) s.hub.settings.WriteText(Setting::HashFile, std::string(32, '0') + " alt");
        s.Run();
        EXPECT_EQ(s.Text(Setting::HashFile), "A0424C993552EB76C944A02EB47F4600") << start;
        EXPECT_EQ(s.Text(Setting::MDBFileData), start >= 2 ? "2026.11.30" : "") << start;
        EXPECT_EQ(s.Ran("\"C:\\Orvintal\\FEEDESK.EXE\" /x", ShowState::Hidden), start == 2) << start;
    }
    EXPECT_EQ(s.Text(Setting::Running), "0");
    EXPECT_TRUE(s.Ran("\"C:\\Orvintal\\TAXOFFIC.EXE\" /a")) << "at the sixth start, counted 0 to 4";
    ASSERT_EQ(s.p.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.p.dialogs.shown[0].text.substr(0, 36) + s.Text(Setting::CheckPrint), "Es konnte kein Drucker an Ihrem Comp1");
}

}  // namespace
}  // namespace kolvane
