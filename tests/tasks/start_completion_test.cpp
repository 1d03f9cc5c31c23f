#include "tasks/start_completion.h"

#include <optional>

#include "timer_fixture.h"

namespace kolvane {
namespace {

class StartCompletionTest : public TimerTest {
protected:
    // A start waiting for the index: every component there, the index switched on but not yet built.
    StartCompletionTest() {
        for (const char* program : {"PICTHELP.EXE", "FEEDESK.EXE", "HINTFEED.EXE", "LINKPORT.EXE", "ACCOUNTS.EXE",
                                    "STATUSLS.EXE", "NOTEEDIT.EXE"})
            PutProgram(program);
        EnableTimer(hub, HubTimer::Timer4, true);
    }
    void StoreIndexInUse(const std::optional<RegData>& data) {
        p.registry.DeleteValue(kSettingsKey.root, kSettingsKey.path, "DB_IHP");
        if (data) p.registry.Put(kSettingsKey.root, kSettingsKey.path, "DB_IHP", *data);
    }
    bool Completed() const {
        return !TimerEnabled(hub, HubTimer::Timer4) && TimerEnabled(hub, HubTimer::Timer2) &&
               TimerEnabled(hub, HubTimer::Timer3) && hub.symbolTag == "1";
    }
    int Count(const std::string& commandLine) const {
        auto lines = Started();
        return static_cast<int>(std::count(lines.begin(), lines.end(), commandLine));
    }
};

TEST_F(StartCompletionTest, WaitRulesInTheirOrderLaterOverridesEarlier) {
    struct Case {
        const char* name;
        const char* window;              // an open window of a component holding the index, or null
        std::optional<RegData> dbIhp;    // the stored `DB_IHP`, empty for missing
        bool ihp, budget, ccp;           // files in the database folder
        const char* missingProgram;      // a component taken away, or null
        StartWait expected;
    };
    const Case cases[] = {
        {"nothing to wait for", nullptr, std::nullopt, true, false, false, nullptr, StartWait::Ready},
        {"a missing DB_IHP overrides an open index holder", "Brekkan PictHelp IDE", std::nullopt, true, false,
         false, nullptr, StartWait::Ready},
        {"DB_IHP 1 overrides an open index holder", "Brekkan Beitragskonten", SzData("1"), true, false,
         false, nullptr, StartWait::Ready},
        {"another DB_IHP number keeps the window's wait", "Brekkan MDB-Zahlungsdaten", SzData("2"), true,
         false, false, nullptr, StartWait::Busy},
        {"a DB_IHP that is no number keeps the window's wait", "Brekkan PictHelp IDE", SzData("ja"), true,
         false, false, nullptr, StartWait::Busy},
        {"DB_IHP 0 waits", nullptr, SzData("0"), true, false, false, nullptr, StartWait::Busy},
        {"DB_IHP 0 as a number waits", nullptr, DwordData(0), true, false, false, nullptr, StartWait::Busy},
        {"index and contributions file end a DB_IHP 0 wait", nullptr, SzData("0"), true, true, false,
         nullptr, StartWait::Ready},
        {"a missing index", nullptr, SzData("1"), false, false, false, nullptr, StartWait::NoIndex},
        {"a missing index despite the contributions file", nullptr, SzData("1"), false, true, false,
         nullptr, StartWait::NoIndex},
        {"the index copy in progress", nullptr, SzData("1"), true, true, true, nullptr, StartWait::Busy},
        {"the copy in progress without an index", nullptr, SzData("1"), false, false, true, nullptr,
         StartWait::Busy},
        {"without the index builder nothing can end the wait", "Brekkan PictHelp IDE", SzData("0"), false,
         false, true, "PICTHELP.EXE", StartWait::Ready},
        {"without the contributions component neither", nullptr, SzData("0"), false, false, true,
         "FEEDESK.EXE", StartWait::Ready},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem s;
        s.hub.LrDatabase = "C:\\Orvintal\\";
        for (const char* program : {"PICTHELP.EXE", "FEEDESK.EXE"})
            if (!c.missingProgram || std::string(c.missingProgram) != program)
                s.p.files.Put(ProgramFile(s.hub, program), "");
        if (c.window) s.p.windows.Create(kHubClass, c.window);
        s.Store("DB_IHP", c.dbIhp);
        for (auto [present, name] : {std::pair{c.ihp, "DATEX.IHP"}, {c.budget, "BUDGET.XML"}, {c.ccp, "DATEX.CCP"}})
            if (present) s.p.files.Put(DatabaseFile(s.hub, name), "");
        EXPECT_EQ(ComputeStartWait(s.hub), c.expected);
    }
}

TEST_F(StartCompletionTest, CompletionStartsTheChosenComponentAndHandsOverToTheWatches) {
    struct Case {
        std::int16_t startApp;
        const char* program;  // null: nothing is started
    };
    const Case cases[] = {{0, nullptr},         {1, "LINKPORT.EXE"}, {2, "ACCOUNTS.EXE"},
                          {3, "STATUSLS.EXE"},  {4, "NOTEEDIT.EXE"}, {5, nullptr},
                          {-1, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.startApp);
        InstalledSystem s;
        TimerDriver driver(s.hub, s.p.clock);
        s.hub.LrDatabase = "C:\\Orvintal\\";
        for (const char* program : {"LINKPORT.EXE", "ACCOUNTS.EXE", "STATUSLS.EXE", "NOTEEDIT.EXE"})
            s.p.files.Put(ProgramFile(s.hub, program), "");
        s.hub.settings.WriteInt(Setting::StartApp, c.startApp);
        EnableTimer(s.hub, HubTimer::Timer4, true);

        RunClock(s.p.clock, TimerPeriodMs(HubTimer::Timer4) / 1000.0);

        std::vector<MemoryShell::Started> expected;
        if (c.program) expected.push_back({"\"C:\\Orvintal\\" + std::string(c.program) + "\"", ShowState::Normal});
        EXPECT_EQ(s.p.shell.started, expected);
        EXPECT_FALSE(TimerEnabled(s.hub, HubTimer::Timer4));
        EXPECT_TRUE(TimerEnabled(s.hub, HubTimer::Timer2));
        EXPECT_TRUE(TimerEnabled(s.hub, HubTimer::Timer3));
        EXPECT_EQ(s.hub.symbolTag, "1") << "the menu may open";
    }
}

TEST_F(StartCompletionTest, IndexSwitchedOffKeepsTheStartWaitingWithATipEveryTickUntilItIsOn) {
    PutDatabaseFile("DATEX.IHP");
    StoreIndexInUse(SzData("0"));

    EXPECT_FALSE(Run(62));
    EXPECT_EQ(Count(Quoted("HINTFEED.EXE") + " /a"), 12) << "one tip every 5 s";
    EXPECT_EQ(hub.symbolTag, "0");
    EXPECT_TRUE(TimerEnabled(hub, HubTimer::Timer4));
    EXPECT_FALSE(TimerEnabled(hub, HubTimer::Timer3));

    StoreIndexInUse(SzData("1"));
    EXPECT_FALSE(Run(5));
    EXPECT_TRUE(Completed());
    EXPECT_FALSE(Run(60));
    EXPECT_EQ(Count(Quoted("HINTFEED.EXE") + " /a"), 12) << "no tip once the start is complete";
}

TEST_F(StartCompletionTest, AShownTipIsNotStartedAgain) {
    StoreIndexInUse(SzData("0"));
    PutDatabaseFile("DATEX.IHP");
    p.windows.Create(kHubClass, "Brekkan Hintfeed");
    EXPECT_FALSE(Run(30));
    EXPECT_EQ(Count(Quoted("HINTFEED.EXE") + " /a"), 0);
    EXPECT_FALSE(Completed());
}

TEST_F(StartCompletionTest, AMissingLocalIndexIsBuiltOnceTheBuilderCanStart) {
    struct Case {
        const char* name;
        const char* database;
        std::optional<RegData> dbIhp;
        bool builderOpen;
        bool builds;
    };
    const Case cases[] = {
        {"local, switched on", "C:\\Orvintal\\", SzData("1"), false, true},
        {"network folder: the start builds it there", "\\\\SERVER\\Orvintal\\", SzData("1"), false, false},
        {"switched on as a number", "C:\\Orvintal\\", DwordData(1), false, true},
        {"not switched on", "C:\\Orvintal\\", std::nullopt, false, false},
        {"the builder is at work", "C:\\Orvintal\\", SzData("1"), true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem s;
        s.hub.LrDatabase = c.database;
        for (const char* program : {"PICTHELP.EXE", "FEEDESK.EXE"}) s.p.files.Put(ProgramFile(s.hub, program), "");
        s.Store("DB_IHP", c.dbIhp);
        if (c.builderOpen) s.p.windows.Create(kHubClass, "Brekkan PictHelp IDE");
        EnableTimer(s.hub, HubTimer::Timer4, true);

        OnTimer(s.hub, HubTimer::Timer4);

        const MemoryShell::Started build{"\"C:\\Orvintal\\PICTHELP.EXE\"", ShowState::Normal};
        EXPECT_EQ(std::count(s.p.shell.started.begin(), s.p.shell.started.end(), build), c.builds ? 1 : 0);
        EXPECT_TRUE(TimerEnabled(s.hub, HubTimer::Timer4)) << "the start waits for the index";
    }
}

TEST_F(StartCompletionTest, TheBuiltIndexCompletesTheStart) {
    StoreIndexInUse(SzData("1"));
    p.shell.onStart = [this](const MemoryShell::Started& start) {
        if (start.commandLine == Quoted("PICTHELP.EXE")) p.clock.Schedule(12, [this] { PutDatabaseFile("DATEX.IHP"); });
    };
    EXPECT_FALSE(Run(5));
    EXPECT_EQ(Count(Quoted("PICTHELP.EXE")), 1);
    EXPECT_FALSE(Run(15));
    EXPECT_TRUE(Completed()) << "the first tick after the index is there";
}

}  // namespace
}  // namespace kolvane
