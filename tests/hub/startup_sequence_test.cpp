#include "hub/startup_sequence.h"

#include "hub_fixture.h"
#include "settings/registry_keys.h"
#include "settings/registry_store.h"

namespace kolvane {
namespace {

using Started = MemoryShell::Started;

class StartupTest : public HubTest {
protected:
    // Runs the start; true when it ended the process.
    bool Start() {
        return Ends([&] { RunStartup(hub); });
    }
    std::string Text(Setting s) { return hub.settings.ReadText(s); }
    std::int32_t Int(Setting s) { return hub.settings.ReadInt(s); }
    bool Has(Setting s) { return hub.settings.Exists(s); }
    bool StartedProgram(const std::string& commandLine, ShowState show) {
        return std::count(p.shell.started.begin(), p.shell.started.end(), Started{commandLine, show}) > 0;
    }
};

TEST(StartupFirstRunTest, FirstRunOfInstallationHandsOverToTheAgent) {
    struct Case {
        DateTime now;
        const char* watch;  // `Fristwächter`: the start's moment after the splash waits
        const char* taxYear;
        const char* vintage;
    };
    const Case cases[] = {
        {{2026, 3, 4, 14, 5, 9}, "04.03.2026 14:05:11", "25", "2025"},
        {{2099, 12, 31, 23, 59, 58}, "01.01.2100", "99", "2099"},  // midnight shows no time; no minus sign
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.watch);
        MemoryPlatform p;
        Hub hub(p.os);
        hub.Root = p.windows.Create(kHubClass, kHubCaption);
        p.clock.Set(c.now);
        p.files.Put("C:\\Orvintal\\HUBAGENT.EXE", "");

        EXPECT_THROW(RunStartup(hub), ProcessTerminated);

        EXPECT_EQ(hub.settings.ReadText(Setting::Fristwaechter), c.watch);
        EXPECT_EQ(hub.settings.ReadText(Setting::Steuerjahr), c.taxYear);
        EXPECT_EQ(hub.settings.ReadText(Setting::Jahrgang), c.vintage);
        EXPECT_EQ(hub.settings.ReadInt(Setting::NoTmpBeitrag), 1);
        EXPECT_EQ(hub.settings.ReadInt(Setting::NoKillIHP), 1);
        EXPECT_EQ(p.shell.started, (std::vector<Started>{{"\"C:\\Orvintal\\HUBAGENT.EXE\"", ShowState::Normal}}));
        EXPECT_FALSE(hub.settings.Exists(Setting::InstallDir)) << "the agent completes the installation, not this start";
    }
}

TEST_F(StartupTest, InstalledStartLeavesTheHubRunning) {
    Install();
    p.kernel.version = {3, 7, 12};
    hub.settings.WriteText(Setting::Steuertips, "Belege sammeln");
    p.files.Put("C:\\Orvintal\\EXIT.SUB", "\r\n");

    EXPECT_FALSE(Start());

    EXPECT_EQ(p.windows.GetText(hub.Root), kHubCaption);
    EXPECT_NE(hub.mutex, nullptr);
    EXPECT_EQ(hub.LrDatabase, "C:\\Orvintal\\");
    const std::pair<Setting, const char*> written[] = {
        {Setting::InstallDir, "C:\\Orvintal"}, {Setting::Version, "3.7.12"}, {Setting::Version_A, "3.7"},
        {Setting::NowClose, "0"}, {Setting::Quickwrite, "1"}, {Setting::Pelmondo, "1"}, {Setting::Encoder, "0"},
        {Setting::CloseExplorer, "0"}, {Setting::Belege, "C:\\Orvintal\\Belege"},
        {Setting::Images, "C:\\Orvintal\\Printer\\"},
    };
    for (const auto& [setting, text] : written) EXPECT_EQ(Text(setting), text) << EntryOf(setting).name;
    EXPECT_FALSE(Has(Setting::Steuertips));
    EXPECT_EQ(Text(Setting::Steuertips_03), "Belege sammeln") << "the tax tips moved to their new name";
    EXPECT_FALSE(p.files.Exists("C:\\Orvintal\\EXIT.SUB")) << "the exit marker goes at the end of the start";
    EXPECT_TRUE(p.files.IsFolder("C:\\Orvintal\\Belege"));
    EXPECT_TRUE(p.files.IsFolder("C:\\Orvintal\\Printer"));
    EXPECT_TRUE(TimerEnabled(hub, HubTimer::Timer4));
    EXPECT_TRUE(TimerEnabled(hub, HubTimer::Timer5));
    EXPECT_EQ(p.tray.picture, TrayPicture::Starting) << "until the start is complete";
    EXPECT_EQ(p.tray.tip, "Orvintal");
    EXPECT_EQ(p.files.ReadAll("C:\\Orvintal\\DATEX.NET"), ConfiguredDatabase()) << "local copy of a local database";

    std::string appPath;
    const RegKeyPath& key = kAppPathOrvintalKey;
    ASSERT_TRUE(RegGetSetting(p.registry, p.kernel, key.root, key.path, "", appPath));
    EXPECT_EQ(appPath, "C:\\Orvintal\\Kolvane.exe");
}

// Like the setup program, which creates these keys, the hub never creates them itself.
TEST_F(StartupTest, HelpRestrictionsAreOpenedOnlyWhereTheKeysExist) {
    for (const bool exist : {false, true}) {
        SCOPED_TRACE(exist);
        InstalledSystem s;
        if (exist)
            for (const RegKeyPath& help : kHtmlHelpRestrictionKeys) RegCreateKey(s.p.registry, help.root, help.path, "");
        RunStartup(s.hub);
        for (const RegKeyPath& help : kHtmlHelpRestrictionKeys) {
            std::int32_t zone = 0;
            EXPECT_EQ(RegGetSetting(s.p.registry, s.p.kernel, help.root, help.path, kMaxAllowedZoneValue, zone), exist);
            EXPECT_EQ(zone, exist ? 4 : 0);
        }
    }
}

// Another hub's window or its mutex: the start shows the hint (unless started with "/s") and ends.
TEST(StartupSecondTest, SecondStartEndsWithoutWritingAnything) {
    struct Case {
        const char* name;
        const char* commandLine;
        bool byMutex;  // else by the running hub's window
        bool hintShown;
    };
    const Case cases[] = {
        {"window", "", false, true},    {"window, quiet", "/s", false, false}, {"window, /S", "/S", false, true},
        {"mutex", "", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryPlatform p;
        EventLog writes;
        LoggingRegistry registry(p.registry, writes);
        Platform os{registry, p.ini, p.windows, p.tray, p.shell, p.kernel, p.files, p.clock, p.dialogs, p.md5, p.network, p.locks};
        Hub second(os);
        second.Root = p.windows.Create(kHubClass, kHubCaption);
        if (c.byMutex) {
            InstallSystem(p, second);
            p.kernel.heldMutexes->insert("Orvintal");
        } else {
            p.windows.Create(kHubClass, kHubCaption);  // the hub that runs already
        }
        p.files.Put("C:\\Orvintal\\HINTFEED.EXE", "");
        p.files.Put("C:\\Orvintal\\BUDGET.XML", "");
        p.kernel.commandLine = c.commandLine;
        writes.clear();
        const double before = p.clock.Elapsed();

        EXPECT_THROW(RunStartup(second), ProcessTerminated);

        EXPECT_EQ(writes, EventLog{});
        EXPECT_TRUE(p.files.Exists("C:\\Orvintal\\BUDGET.XML"));
        EXPECT_EQ(p.shell.started, OnlyIf(c.hintShown, std::vector<Started>{{"\"C:\\Orvintal\\HINTFEED.EXE\" /x", ShowState::Normal}}));
        if (!c.byMutex) {
            EXPECT_NEAR(p.clock.Elapsed() - before, 4.0, 0.1);
        }
    }
}

// A restart ("Dritte Instanz" in its predecessor's caption) waits a bounded time for the mutex.
TEST_F(StartupTest, RestartWaitsForThePredecessorToGiveUpTheMutex) {
    for (const bool letsGo : {true, false}) {
        SCOPED_TRACE(letsGo);
        InstalledSystem s;
        WindowId predecessor = s.p.windows.Create(kHubClass, std::string("Dritte Instanz") + kHubCaption);
        s.p.kernel.heldMutexes->insert("Orvintal");
        if (letsGo)
            s.p.clock.Schedule(3.5, [&] {
                s.p.kernel.heldMutexes->erase("Orvintal");
                s.p.windows.Destroy(predecessor);
            });

        EXPECT_EQ(Ends([&] { RunStartup(s.hub); }), !letsGo);

        EXPECT_TRUE(!letsGo || (s.hub.restart && s.hub.mutex != nullptr));
        EXPECT_LT(s.p.clock.Elapsed(), 30);
    }
}

TEST_F(StartupTest, StartDelayComesFromStartTimeWithinItsBounds) {
    struct Case {
        const char* name;
        std::optional<RegData> stored;
        double waited;  // beyond the fixed waits of an installed start
        bool writtenAsOne;
    };
    auto dword = [](std::uint32_t v) {
        return RegData{RegType::Dword, std::string(reinterpret_cast<const char*>(&v), 4)};
    };
    const Case cases[] = {
        {"absent", std::nullopt, 1, true},
        {"zero", dword(0), 0, false},
        {"three", dword(3), 3, false},
        {"far too long", dword(100000), 60, false},
        {"negative", dword(static_cast<std::uint32_t>(-5)), 0, false},
        {"not a number", RegData{RegType::Sz, std::string("bald\0", 5)}, 1, false},
    };
    InstalledSystem reference;
    RunStartup(reference.hub);
    const double fixedWaits = reference.p.clock.Elapsed();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem other;
        other.Store("StartTime", c.stored);
        RunStartup(other.hub);

        EXPECT_NEAR(other.p.clock.Elapsed() - fixedWaits, c.waited, 0.2);
        if (c.writtenAsOne) {
            EXPECT_EQ(other.hub.settings.ReadInt(Setting::StartTime), 1);
        }
    }
}

TEST_F(StartupTest, DatabaseFolderIsReadAndEndsInABackslash) {
    struct Case {
        const char* name;
        std::optional<std::string> stored;  // raw REG_SZ bytes
        const char* folder;
    };
    const Case cases[] = {
        {"absent: the program folder is written", std::nullopt, "C:\\Orvintal\\"},
        {"without backslash", std::string("D:\\Daten\0", 9), "D:\\Daten\\"},
        {"with backslash", std::string("D:\\Daten\\\0", 10), "D:\\Daten\\"},
        {"cut at the first NUL", std::string("D:\\X\0Rest\0", 10), "D:\\X\\"},
        {"placeholder of an unfinished setup", std::string("<DATABASE>\0", 11), "C:\\Documents\\"},
        {"network share", std::string("\\\\srv\\lohn\\\0", 12), "\\\\srv\\lohn\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem other;
        other.Store("Database", c.stored ? std::optional<RegData>(RegData{RegType::Sz, *c.stored}) : std::nullopt);
        other.p.files.Put(std::string(c.folder) + "DATEX.DAT", ConfiguredDatabase());

        RunStartup(other.hub);

        EXPECT_EQ(other.hub.LrDatabase, c.folder);
        if (!c.stored) {
            EXPECT_EQ(other.hub.settings.ReadText(Setting::Database), "C:\\Orvintal\\");
        }
    }
}

// A configured database that already carries the start's mark, so that the start leaves it as it is.
std::string MarkedDatabase() { return ConfiguredDatabase() + *Crypt("MDBLOAD") + "=" + *Crypt("0") + "\r\n"; }
constexpr char kMarkedDatabaseDigest[] = "BA5ED3D934FF20A84B433EBC75B848F1";

// With the temporary contributions database in use, the start records the database's fingerprint; when it has
// changed, also the database's date, and has the index rebuilt. A database that cannot be read leaves the last one.
TEST(StartupFingerprintTest, FingerprintFollowsTheWholeDatabase) {
    const std::string marked = MarkedDatabase();
    struct Case {
        const char* name;
        std::optional<std::int16_t> noTmpBeitrag;
        std::optional<std::string> hashBefore;
        std::optional<std::string> database;
        std::optional<std::string> hashAfter;
        std::optional<std::string> fileDate;
    };
    const Case cases[] = {
        {"changed database", 0, "00000000000000000000000000000000 alt", marked, kMarkedDatabaseDigest, "2026.11.30"},
        {"first time: nothing to compare", 0, std::nullopt, marked, kMarkedDatabaseDigest, std::nullopt},
        {"database cannot be read", 0, "0123456789ABCDEF0123456789ABCDEF", std::nullopt,
         "0123456789ABCDEF0123456789ABCDEF", std::nullopt},
        {"no temporary database: NoTmpBeitrag reads 1 when absent", std::nullopt, std::nullopt, marked, std::nullopt,
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem s;
        if (c.noTmpBeitrag) s.hub.settings.WriteInt(Setting::NoTmpBeitrag, *c.noTmpBeitrag);
        if (c.hashBefore) s.hub.settings.WriteText(Setting::HashFile, *c.hashBefore);
        s.p.files.Delete("C:\\Orvintal\\DATEX.DAT");
        if (c.database) s.p.files.Put("C:\\Orvintal\\DATEX.DAT", *c.database);
        if (c.database) s.p.files.SetModifiedTime("C:\\Orvintal\\DATEX.DAT", {2026, 11, 30, 8, 15, 0});
        for (const char* program : {"FEEDESK.EXE", "HINTFEED.EXE"}) s.p.files.Put(std::string("C:\\Orvintal\\") + program, "");

        Ends([&] { RunStartup(s.hub); });

        EXPECT_EQ(s.hub.settings.Exists(Setting::HashFile), c.hashAfter.has_value());
        EXPECT_EQ(s.hub.settings.ReadText(Setting::HashFile), c.hashAfter.value_or(""));
        EXPECT_EQ(s.hub.settings.Exists(Setting::MDBFileData), c.fileDate.has_value());
        EXPECT_EQ(s.hub.settings.ReadText(Setting::MDBFileData), c.fileDate.value_or(""));
        const auto& started = s.p.shell.started;
        EXPECT_EQ(std::count(started.begin(), started.end(), Started{"\"C:\\Orvintal\\FEEDESK.EXE\" /x", ShowState::Hidden}),
                  c.fileDate ? 1 : 0);
        EXPECT_EQ(std::count(started.begin(), started.end(), Started{"\"C:\\Orvintal\\HINTFEED.EXE\" /pD", ShowState::Hidden}),
                  c.fileDate ? 1 : 0);
    }
}

TEST_F(StartupTest, AdminMarksAreWrittenOnceAndNeverChanged) {
    Install();
    const RegKeyPath& layers = kAppCompatLayersKey;
    RegCreateKey(p.registry, layers.root, layers.path, "");
    RegSetSetting(p.registry, layers.root, layers.path, "C:\\Orvintal\\ACCOUNTS.EXE", std::string("~ HIGHDPIAWARE"));
    hub.settings.WriteInt(Setting::RunAdmin, 1);
    for (const char* name : {"ACCOUNTS.EXE", "HINTFEED.EXE", "UPDBUNDL.DLL", "UPDCTRL.DLL", "README.TXT"})
        p.files.Put(std::string("C:\\Orvintal\\") + name, "");

    Start();

    auto mark = [&](const std::string& name) {
        std::string text;
        return RegGetSetting(p.registry, p.kernel, layers.root, layers.path, "C:\\Orvintal\\" + name, text) ? text
                                                                                                           : "-";
    };
    EXPECT_EQ(mark("ACCOUNTS.EXE"), "~ HIGHDPIAWARE");
    EXPECT_EQ(mark("HINTFEED.EXE"), "~ RUNASADMIN");
    EXPECT_EQ(mark("UPDBUNDL.DLL"), "~ RUNASADMIN");
    EXPECT_EQ(mark("UPDCTRL.DLL"), "~ RUNASADMIN");
    EXPECT_EQ(mark("README.TXT"), "-");
    EXPECT_EQ(mark("HUBAGENT.EXE"), "-") << "listed, but not there";
    EXPECT_EQ(Int(Setting::RunAdmin), 2);
}

TEST_F(StartupTest, TaxOfficeSyncRunsEveryFifthStart) {
    Install();
    p.files.Put("C:\\Orvintal\\TAXOFFIC.EXE", "");
    const char* expected[] = {"0", "1", "2", "3", "4", "0", "1"};
    for (int start = 0; start < 7; ++start) {
        SCOPED_TRACE(start);
        hub.mutex.reset();
        p.shell.started.clear();
        Start();
        EXPECT_EQ(Text(Setting::Running), expected[start]);
        EXPECT_EQ(StartedProgram("\"C:\\Orvintal\\TAXOFFIC.EXE\" /a", ShowState::Normal), start == 5);
    }
    hub.settings.WriteInt(Setting::Dorvenhal, 0);
    hub.mutex.reset();
    Start();
    EXPECT_EQ(Text(Setting::Running), "1") << "switched off: the counter stays";
}

// Reported at the first start only: a missing printer, and the welcome of a new installation until the sender
// data exist.
TEST_F(StartupTest, MissingPrinterAndTheWelcomeAreReportedOnce) {
    Install();
    Start();
    ASSERT_EQ(p.dialogs.shown.size(), 1u);
    EXPECT_EQ(p.dialogs.shown[0].title, " Herzlich Willkommen");
    EXPECT_EQ(p.dialogs.shown[0].icon, MsgIcon::Information);

    hub.settings.WriteText(Setting::ALizenz1, "Kelmsdorfer Lohnsteuerberatung");
    p.dialogs.printers.clear();
    for (int start = 0; start < 2; ++start) {
        hub.mutex.reset();
        Start();
    }
    ASSERT_EQ(p.dialogs.shown.size(), 2u);
    EXPECT_EQ(p.dialogs.shown[1],
              (MessageBoxRequest{"Es konnte kein Drucker an Ihrem Computer gefunden werden.\n"
                                 "Sollte ein Ger\xE4t vorhanden sein, m\xFCssen Sie die Treiber installieren.     \n"
                                 "Derzeit k\xF6nnen keine Briefe und Dokumente ausgedruckt werden.",
                                 "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation}));
    EXPECT_EQ(Int(Setting::CheckPrint), 1);
}

TEST_F(StartupTest, StaleContributionsIndexIsRemovedAndAFreshOneCopied) {
    Install();
    hub.settings.WriteText(Setting::Database, "D:\\Daten\\");
    p.files.Put("D:\\Daten\\DATEX.DAT", ConfiguredDatabase());
    p.files.Put("D:\\Daten\\DATEX.IHP", "alt");
    p.files.SetModifiedTime("D:\\Daten\\DATEX.IHP", {2026, 12, 6, 18, 0, 0});
    p.files.Put("C:\\Orvintal\\DATEX.IHP", "alt");
    Start();
    EXPECT_FALSE(p.files.Exists("D:\\Daten\\DATEX.IHP"));
    EXPECT_FALSE(p.files.Exists("C:\\Orvintal\\DATEX.IHP"));

    p.files.Put("D:\\Daten\\DATEX.IHP", "heute");
    p.files.SetModifiedTime("D:\\Daten\\DATEX.IHP", {2026, 12, 7, 8, 0, 0});
    hub.mutex.reset();
    Start();
    EXPECT_EQ(p.files.ReadAll("C:\\Orvintal\\DATEX.IHP"), "heute");
}

TEST_F(StartupTest, IndexBuilderIsWaitedForWithABound) {
    Install();
    p.windows.Create(kHubClass, "Brekkan PictHelp IDE");
    double before = p.clock.Elapsed();
    Start();
    EXPECT_GE(p.clock.Elapsed() - before, 180);
    EXPECT_LT(p.clock.Elapsed() - before, 200);
}

TEST_F(StartupTest, CloseCommandDuringTheStartEndsTheProcess) {
    Install();
    p.clock.Schedule(1.5, [&] { p.windows.SetText(hub.Text1, "$Ende$"); });
    EXPECT_TRUE(Start());
    EXPECT_FALSE(Has(Setting::InstallDir));
}

}  // namespace
}  // namespace kolvane
