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
        try {
            RunStartup(hub);
            return false;
        } catch (const ProcessTerminated&) {
            return true;
        }
    }
    std::string Text(Setting s) { return hub.settings.ReadText(s); }
    std::int32_t Int(Setting s) { return hub.settings.ReadInt(s); }
    bool Has(Setting s) { return hub.settings.Exists(s); }
    bool StartedProgram(const std::string& commandLine, ShowState show) {
        return std::count(p.shell.started.begin(), p.shell.started.end(), Started{commandLine, show}) > 0;
    }
};

TEST_F(StartupTest, FirstRunOfInstallationHandsOverToTheAgent) {
    p.clock.Set({2026, 3, 4, 14, 5, 9});
    p.files.Put("C:\\Orvintal\\HUBAGENT.EXE", "");

    EXPECT_TRUE(Start());

    EXPECT_EQ(Text(Setting::Fristwaechter), "04.03.2026 14:05:11");
    EXPECT_EQ(Text(Setting::Steuerjahr), "25");
    EXPECT_EQ(Text(Setting::Jahrgang), "2025");
    EXPECT_EQ(Int(Setting::NoTmpBeitrag), 1);
    EXPECT_EQ(Int(Setting::NoKillIHP), 1);
    EXPECT_EQ(p.shell.started, (std::vector<Started>{{"\"C:\\Orvintal\\HUBAGENT.EXE\"", ShowState::Normal}}));
    EXPECT_TRUE(p.registry.HasKey(RegRoot::LocalMachine, "Software\\Brekkan\\Orvintal"));
    EXPECT_FALSE(Has(Setting::InstallDir)) << "the agent completes the installation, not this start";
}

TEST_F(StartupTest, TaxYearOfTheFirstYearOfACenturyHasNoMinusSign) {
    p.clock.Set({2099, 12, 31, 23, 59, 58});  // the splash waits carry the start into the new year
    EXPECT_TRUE(Start());
    EXPECT_EQ(Text(Setting::Steuerjahr), "99");
    EXPECT_EQ(Text(Setting::Fristwaechter), "01.01.2100") << "midnight: the general date shows no time";
}

TEST_F(StartupTest, InstalledStartLeavesTheHubRunning) {
    Install();
    p.kernel.version = {3, 7, 12};

    EXPECT_FALSE(Start());

    EXPECT_EQ(p.windows.GetText(hub.Root), kHubCaption);
    EXPECT_NE(hub.mutex, nullptr);
    EXPECT_EQ(hub.LrDatabase, "C:\\Orvintal\\");
    EXPECT_EQ(Text(Setting::InstallDir), "C:\\Orvintal");
    EXPECT_EQ(Text(Setting::Version), "3.7.12");
    EXPECT_EQ(Text(Setting::Version_A), "3.7");
    EXPECT_EQ(Int(Setting::NowClose), 0);
    EXPECT_EQ(Int(Setting::Quickwrite), 1);
    EXPECT_EQ(Int(Setting::Pelmondo), 1);
    EXPECT_EQ(Int(Setting::Encoder), 0);
    EXPECT_EQ(Int(Setting::CloseExplorer), 0);
    EXPECT_EQ(Text(Setting::Belege), "C:\\Orvintal\\Belege");
    EXPECT_EQ(Text(Setting::Images), "C:\\Orvintal\\Printer\\");
    EXPECT_TRUE(p.files.IsFolder("C:\\Orvintal\\Belege"));
    EXPECT_TRUE(p.files.IsFolder("C:\\Orvintal\\Printer"));
    EXPECT_TRUE(TimerEnabled(hub, HubTimer::Timer4));
    EXPECT_TRUE(TimerEnabled(hub, HubTimer::Timer5));
    EXPECT_EQ(p.files.ReadAll("C:\\Orvintal\\DATEX.NET"), ConfiguredDatabase()) << "local copy of a local database";

    std::string appPath;
    const RegKeyPath& key = kAppPathOrvintalKey;
    ASSERT_TRUE(RegGetSetting(p.registry, p.kernel, key.root, key.path, "", appPath));
    EXPECT_EQ(appPath, "C:\\Orvintal\\Kolvane.exe");
    std::int32_t zone = 0;
    for (const RegKeyPath& help : kHtmlHelpRestrictionKeys) {
        SCOPED_TRACE(help.path);
        // Like the setup program, which creates these keys, the hub never creates them itself.
        EXPECT_FALSE(RegGetSetting(p.registry, p.kernel, help.root, help.path, kMaxAllowedZoneValue, zone));
    }
}

TEST_F(StartupTest, HelpRestrictionsAreOpenedWhereTheKeysExist) {
    Install();
    for (const RegKeyPath& help : kHtmlHelpRestrictionKeys) RegCreateKey(p.registry, help.root, help.path, "");
    Start();
    for (const RegKeyPath& help : kHtmlHelpRestrictionKeys) {
        std::int32_t zone = 0;
        ASSERT_TRUE(RegGetSetting(p.registry, p.kernel, help.root, help.path, kMaxAllowedZoneValue, zone));
        EXPECT_EQ(zone, 4);
    }
}

TEST_F(StartupTest, SecondStartEndsWithoutWritingAnything) {
    struct Case {
        const char* commandLine;
        bool hintShown;
    };
    for (const Case& c : {Case{"", true}, Case{"/s", false}, Case{"/S", true}, Case{"/s ", true}}) {
        SCOPED_TRACE(c.commandLine);
        MemoryPlatform other;
        CountingRegistry counting(other.registry);
        Platform os2{counting,      other.ini,   other.windows, other.tray,    other.shell,  other.kernel,
                     other.files,   other.clock, other.dialogs, other.md5,     other.network};
        Hub second(os2);
        second.Root = other.windows.Create(kHubClass, kHubCaption);
        other.windows.Create(kHubClass, kHubCaption);  // the hub that runs already
        other.files.Put("C:\\Orvintal\\HINTFEED.EXE", "");
        other.files.Put("C:\\Orvintal\\BUDGET.XML", "");
        other.kernel.commandLine = c.commandLine;
        double before = other.clock.Elapsed();

        EXPECT_THROW(RunStartup(second), ProcessTerminated);

        EXPECT_EQ(counting.writes, 0);
        EXPECT_TRUE(other.files.Exists("C:\\Orvintal\\BUDGET.XML"));
        EXPECT_EQ(other.shell.started.size(), c.hintShown ? 1u : 0u);
        if (c.hintShown) {
            EXPECT_EQ(other.shell.started[0], (Started{"\"C:\\Orvintal\\HINTFEED.EXE\" /x", ShowState::Normal}));
        }
        EXPECT_NEAR(other.clock.Elapsed() - before, 4.0, 0.1);
    }
}

TEST_F(StartupTest, HeldMutexEndsTheStartWithoutWritingAnything) {
    Install();
    int writesBefore = registry.writes;
    p.files.Put("C:\\Orvintal\\HINTFEED.EXE", "");
    p.kernel.heldMutexes->insert("Orvintal");

    EXPECT_TRUE(Start());

    EXPECT_EQ(registry.writes, writesBefore);
    EXPECT_EQ(p.shell.started, (std::vector<Started>{{"\"C:\\Orvintal\\HINTFEED.EXE\" /x", ShowState::Normal}}));
}

TEST_F(StartupTest, RestartWaitsForThePredecessorToGiveUpTheMutex) {
    Install();
    WindowId predecessor = p.windows.Create(kHubClass, std::string("Dritte Instanz") + kHubCaption);
    p.kernel.heldMutexes->insert("Orvintal");
    p.clock.Schedule(3.5, [&] {
        p.kernel.heldMutexes->erase("Orvintal");
        p.windows.Destroy(predecessor);
    });

    EXPECT_FALSE(Start());
    EXPECT_TRUE(hub.restart);
    EXPECT_NE(hub.mutex, nullptr);
}

TEST_F(StartupTest, RestartGivesUpWhenThePredecessorNeverLetsGo) {
    Install();
    p.windows.Create(kHubClass, std::string("Dritte Instanz") + kHubCaption);
    p.kernel.heldMutexes->insert("Orvintal");
    EXPECT_TRUE(Start());
    EXPECT_LT(p.clock.Elapsed(), 30);
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

TEST_F(StartupTest, FingerprintFollowsTheWholeDatabase) {
    Install();
    hub.settings.WriteInt(Setting::NoTmpBeitrag, 0);
    hub.settings.WriteText(Setting::HashFile, "00000000000000000000000000000000 alt");
    p.files.Put("C:\\Orvintal\\DATEX.DAT", MarkedDatabase());
    p.files.SetModifiedTime("C:\\Orvintal\\DATEX.DAT", {2026, 11, 30, 8, 15, 0});
    p.files.Put("C:\\Orvintal\\FEEDESK.EXE", "");
    p.files.Put("C:\\Orvintal\\HINTFEED.EXE", "");

    Start();

    EXPECT_EQ(Text(Setting::HashFile), kMarkedDatabaseDigest);
    EXPECT_EQ(Text(Setting::MDBFileData), "2026.11.30");
    EXPECT_TRUE(StartedProgram("\"C:\\Orvintal\\FEEDESK.EXE\" /x", ShowState::Hidden));
    EXPECT_TRUE(StartedProgram("\"C:\\Orvintal\\HINTFEED.EXE\" /pD", ShowState::Hidden));
}

TEST_F(StartupTest, FingerprintStaysWhenTheDatabaseCannotBeRead) {
    Install();
    hub.settings.WriteInt(Setting::NoTmpBeitrag, 0);
    hub.settings.WriteText(Setting::HashFile, "0123456789ABCDEF0123456789ABCDEF");
    p.files.Delete("C:\\Orvintal\\DATEX.DAT");
    p.files.Put("C:\\Orvintal\\FEEDESK.EXE", "");

    Start();

    EXPECT_EQ(Text(Setting::HashFile), "0123456789ABCDEF0123456789ABCDEF");
    EXPECT_FALSE(Has(Setting::MDBFileData));
    EXPECT_FALSE(StartedProgram("\"C:\\Orvintal\\FEEDESK.EXE\" /x", ShowState::Hidden));
}

TEST_F(StartupTest, FingerprintIsWrittenFirstTimeAndSkippedWithoutTemporaryDatabase) {
    Install();
    hub.settings.WriteInt(Setting::NoTmpBeitrag, 0);
    p.files.Put("C:\\Orvintal\\DATEX.DAT", MarkedDatabase());
    Start();
    EXPECT_EQ(Text(Setting::HashFile), kMarkedDatabaseDigest);

    InstalledSystem other;
    RunStartup(other.hub);
    EXPECT_FALSE(other.hub.settings.Exists(Setting::HashFile)) << "NoTmpBeitrag reads 1 when absent";
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

TEST_F(StartupTest, TaxTipsMoveToTheirNewName) {
    Install();
    hub.settings.WriteText(Setting::Steuertips, "Belege sammeln");
    Start();
    EXPECT_FALSE(Has(Setting::Steuertips));
    EXPECT_EQ(Text(Setting::Steuertips_03), "Belege sammeln");
}

TEST_F(StartupTest, MissingPrinterIsReportedOnce) {
    Install();
    hub.settings.WriteText(Setting::ALizenz1, "Kelmsdorfer Lohnsteuerberatung");
    p.dialogs.printers.clear();
    Start();
    hub.mutex.reset();
    Start();
    ASSERT_EQ(p.dialogs.shown.size(), 1u);
    EXPECT_EQ(p.dialogs.shown[0],
              (MessageBoxRequest{"Es konnte kein Drucker an Ihrem Computer gefunden werden.\n"
                                 "Sollte ein Ger\xE4t vorhanden sein, m\xFCssen Sie die Treiber installieren.     \n"
                                 "Derzeit k\xF6nnen keine Briefe und Dokumente ausgedruckt werden.",
                                 "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation}));
    EXPECT_EQ(Int(Setting::CheckPrint), 1);
}

TEST_F(StartupTest, NewInstallationIsWelcomedUntilSenderDataExist) {
    Install();
    Start();
    ASSERT_EQ(p.dialogs.shown.size(), 1u);
    EXPECT_EQ(p.dialogs.shown[0].title, " Herzlich Willkommen");
    EXPECT_EQ(p.dialogs.shown[0].icon, MsgIcon::Information);

    hub.settings.WriteText(Setting::ALizenz1, "Kelmsdorfer Lohnsteuerberatung");
    hub.mutex.reset();
    Start();
    EXPECT_EQ(p.dialogs.shown.size(), 1u);
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

TEST_F(StartupTest, ExitMarkerIsRemovedAtTheEndOfTheStart) {
    Install();
    p.files.Put("C:\\Orvintal\\EXIT.SUB", "\r\n");
    Start();
    EXPECT_FALSE(p.files.Exists("C:\\Orvintal\\EXIT.SUB"));
}

TEST_F(StartupTest, CloseCommandDuringTheStartEndsTheProcess) {
    Install();
    p.clock.Schedule(1.5, [&] { p.windows.SetText(hub.Text1, "$Ende$"); });
    EXPECT_TRUE(Start());
    EXPECT_FALSE(Has(Setting::InstallDir));
}

}  // namespace
}  // namespace kolvane
