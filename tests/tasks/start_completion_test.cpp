#include "tasks/start_completion.h"

#include "timer_fixture.h"

namespace kolvane {
namespace {

// A start waiting for the index: the index builder and the contributions component are there.
struct WaitingStart : TimedSystem {
    WaitingStart() {
        for (const char* program : {"PICTHELP.EXE", "FEEDESK.EXE", "HINTFEED.EXE", "ACCOUNTS.EXE"}) PutProgram(program);
        EnableTimer(hub, HubTimer::Timer4, true);
    }
    bool Completed() const {
        return !TimerEnabled(hub, HubTimer::Timer4) && TimerEnabled(hub, HubTimer::Timer2) &&
               TimerEnabled(hub, HubTimer::Timer3) && hub.symbolTag == "1";
    }
};

class StartCompletionTest : public ::testing::Test, protected WaitingStart {};

TEST(StartWaitTest, RulesInTheirOrderLaterOverridesEarlier) {
    struct Case {
        const char* name;
        const char* window;            // an open window of a component holding the index
        std::optional<RegData> dbIhp;  // empty: missing
        const char* files;             // in the database folder: I DATEX.IHP, B BUDGET.XML, C DATEX.CCP
        const char* missingProgram;
        StartWait expected;
    };
    const Case cases[] = {
        {"nothing to wait for", nullptr, std::nullopt, "I", nullptr, StartWait::Ready},
        {"a missing DB_IHP overrides an open index holder", "Brekkan PictHelp IDE", std::nullopt, "I", nullptr,
         StartWait::Ready},
        {"DB_IHP 1 overrides one", "Brekkan Beitragskonten", SzData("1"), "I", nullptr, StartWait::Ready},
        {"another number keeps its wait", "Brekkan MDB-Zahlungsdaten", SzData("2"), "I", nullptr, StartWait::Busy},
        {"so does no number", "Brekkan PictHelp IDE", SzData("ja"), "I", nullptr, StartWait::Busy},
        {"DB_IHP 0 waits", nullptr, SzData("0"), "I", nullptr, StartWait::Busy},
        {"DB_IHP 0 stored as a number waits", nullptr, DwordData(0), "I", nullptr, StartWait::Busy},
        {"index and contributions file end it", nullptr, SzData("0"), "IB", nullptr, StartWait::Ready},
        {"a missing index", nullptr, SzData("1"), "B", nullptr, StartWait::NoIndex},
        {"a copy in progress", nullptr, SzData("1"), "IBC", nullptr, StartWait::Busy},
        {"no index builder: nothing could end the wait", "Brekkan PictHelp IDE", SzData("0"), "C", "PICTHELP.EXE",
         StartWait::Ready},
        {"no contributions component either", nullptr, SzData("0"), "C", "FEEDESK.EXE", StartWait::Ready},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TimedSystem s;
        for (const char* program : {"PICTHELP.EXE", "FEEDESK.EXE"})
            if (!c.missingProgram || std::string(c.missingProgram) != program) s.PutProgram(program);
        if (c.window) s.p.windows.Create(kHubClass, c.window);
        s.Store("DB_IHP", c.dbIhp);
        for (auto [letter, name] : {std::pair{'I', "DATEX.IHP"}, {'B', "BUDGET.XML"}, {'C', "DATEX.CCP"}})
            if (std::string(c.files).find(letter) != std::string::npos) s.PutDatabaseFile(name);
        EXPECT_EQ(ComputeStartWait(s.hub), c.expected);
    }
}

TEST(StartWaitTest, CompletionOpensTheChosenComponentAndHandsOverToTheWatches) {
    const std::pair<std::int16_t, const char*> cases[] = {{0, nullptr},         {1, "LINKPORT.EXE"},
                                                          {2, "ACCOUNTS.EXE"},  {3, "STATUSLS.EXE"},
                                                          {4, "NOTEEDIT.EXE"},  {5, nullptr}};
    for (auto [startApp, program] : cases) {
        SCOPED_TRACE(startApp);
        TimedSystem s;
        for (const char* name : {"LINKPORT.EXE", "ACCOUNTS.EXE", "STATUSLS.EXE", "NOTEEDIT.EXE"}) s.PutProgram(name);
        s.hub.settings.WriteInt(Setting::StartApp, startApp);
        EnableTimer(s.hub, HubTimer::Timer4, true);

        EXPECT_FALSE(s.RunFor(5.5));

        std::vector<MemoryShell::Started> expected;
        if (program) expected.push_back({s.Quoted(program), ShowState::Normal});
        EXPECT_EQ(s.p.shell.started, expected);
        EXPECT_FALSE(TimerEnabled(s.hub, HubTimer::Timer4));
        EXPECT_TRUE(TimerEnabled(s.hub, HubTimer::Timer2) && TimerEnabled(s.hub, HubTimer::Timer3));
        EXPECT_EQ(s.p.tray.picture, TrayPicture::Ready);
        EXPECT_EQ(s.hub.symbolTag, "1") << "the menu may open";
    }
}

TEST_F(StartCompletionTest, IndexSwitchedOffKeepsTheStartWaitingWithATipEveryTickUntilItIsOn) {
    PutDatabaseFile("DATEX.IHP");
    Store("DB_IHP", SzData("0"));
    EXPECT_FALSE(RunFor(62));
    EXPECT_EQ(Count(Quoted("HINTFEED.EXE") + " /a"), 12);
    EXPECT_FALSE(Completed());

    p.windows.Create(kHubClass, "Brekkan Hintfeed");
    EXPECT_FALSE(RunFor(20));
    EXPECT_EQ(Count(Quoted("HINTFEED.EXE") + " /a"), 12) << "a tip that is shown is not started again";

    Store("DB_IHP", SzData("1"));
    EXPECT_FALSE(RunFor(5));
    EXPECT_TRUE(Completed());
}

TEST_F(StartCompletionTest, AMissingLocalIndexIsBuiltWhereTheBuilderCanStart) {
    struct Case {
        const char* name;
        const char* database;
        std::optional<RegData> dbIhp;
        bool builderOpen;
        int builds;
    };
    const Case cases[] = {
        {"local, switched on", "C:\\Orvintal\\", SzData("1"), false, 1},
        {"switched on as a number", "C:\\Orvintal\\", DwordData(1), false, 1},
        {"network folder: the start builds it there", "\\\\SERVER\\Orvintal\\", SzData("1"), false, 0},
        {"not switched on", "C:\\Orvintal\\", std::nullopt, false, 0},
        {"the builder is at work", "C:\\Orvintal\\", SzData("1"), true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WaitingStart s;
        s.hub.LrDatabase = c.database;
        s.Store("DB_IHP", c.dbIhp);
        if (c.builderOpen) s.p.windows.Create(kHubClass, "Brekkan PictHelp IDE");
        EXPECT_FALSE(s.Tick(HubTimer::Timer4));
        EXPECT_EQ(s.Count(s.Quoted("PICTHELP.EXE")), c.builds);
        EXPECT_FALSE(s.Completed());
    }

    // The builder shows its window while it builds the index, for 12 s.
    Store("DB_IHP", SzData("1"));
    p.shell.onStart = [this](const MemoryShell::Started& start) {
        if (start.commandLine != Quoted("PICTHELP.EXE")) return;
        WindowId builder = p.windows.Create(kHubClass, "Brekkan PictHelp IDE");
        p.clock.Schedule(12, [this, builder] {
            PutDatabaseFile("DATEX.IHP");
            p.windows.Destroy(builder);
        });
    };
    EXPECT_FALSE(RunFor(21));
    EXPECT_EQ(Count(Quoted("PICTHELP.EXE")), 1);
    EXPECT_TRUE(Completed()) << "the first tick after the index is built";
}

}  // namespace
}  // namespace kolvane
