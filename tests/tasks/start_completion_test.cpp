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
               TimerEnabled(hub, HubTimer::Timer3) && hub.symbolTag == "1" && p.tray.picture == TrayPicture::Ready;
    }
};

// The rules in their order, a later one overriding an earlier: an open index holder, `DB_IHP` (1 ready, 0 busy,
// missing ready, anything else as before), the files in the database folder (I DATEX.IHP, B BUDGET.XML,
// C DATEX.CCP), and without the index builder or the contributions component nothing could end the wait.
TEST(StartWaitTest, RulesInTheirOrderLaterOverridesEarlier) {
    const std::optional<RegData> none;
    struct Case { const char* window; std::optional<RegData> dbIhp; const char* files; const char* missing; StartWait expected; };
    const Case cases[] = {
        {"Brekkan PictHelp IDE", none, "I", nullptr, StartWait::Ready},
        {"Brekkan Beitragskonten", SzData("1"), "I", nullptr, StartWait::Ready},
        {"Brekkan PictHelp IDE", SzData("ja"), "I", nullptr, StartWait::Busy},
        {nullptr, DwordData(0), "I", nullptr, StartWait::Busy},
        {nullptr, SzData("0"), "IB", nullptr, StartWait::Ready},
        {nullptr, SzData("1"), "B", nullptr, StartWait::NoIndex},
        {nullptr, SzData("1"), "IBC", nullptr, StartWait::Busy},
        {"Brekkan PictHelp IDE", SzData("0"), "C", "PICTHELP.EXE", StartWait::Ready},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(i);
        WaitingStart s;
        if (c.missing) s.p.files.Delete(ProgramFile(s.hub, c.missing));
        if (c.window) s.p.windows.Create(kHubClass, c.window);
        s.Store("DB_IHP", c.dbIhp);
        for (auto [letter, name] : {std::pair{'I', "DATEX.IHP"}, {'B', "BUDGET.XML"}, {'C', "DATEX.CCP"}})
            if (std::string(c.files).find(letter) != std::string::npos) s.Put(DatabaseFile(s.hub, name));
        EXPECT_EQ(ComputeStartWait(s.hub), c.expected);
    }
}

// With the index switched off the start keeps waiting, with a tip every tick unless one is showing, until it is on;
// then it opens the chosen component (`StartApp`) and hands over to the watches. A missing local index that is
// switched on is built once.
TEST(StartWaitTest, TheStartWaitsForTheIndex) {
    WaitingStart s;
    s.Put("C:\\Orvintal\\DATEX.IHP");
    s.Store("DB_IHP", SzData("0"));
    s.hub.settings.WriteInt(Setting::StartApp, 2);
    EXPECT_FALSE(s.RunFor(62));
    EXPECT_EQ(s.Count(s.Quoted("HINTFEED.EXE") + " /a"), 12);
    s.p.windows.Create(kHubClass, "Brekkan Hintfeed");
    EXPECT_FALSE(s.RunFor(20));
    EXPECT_EQ(s.Count(s.Quoted("HINTFEED.EXE") + " /a"), 12) << "a tip that is shown is not started again";
    EXPECT_FALSE(s.Completed());
    s.Store("DB_IHP", SzData("1"));
    EXPECT_FALSE(s.RunFor(5));
    EXPECT_TRUE(s.Completed());
    EXPECT_EQ(s.p.shell.started.back(), (Started{s.Quoted("ACCOUNTS.EXE"), ShowState::Normal}));

    // The builder shows its window while it builds the index, for 12 s; the first tick after it completes the start.
    WaitingStart built;
    built.Store("DB_IHP", SzData("1"));
    built.p.shell.onStart = [&built](const Started& start) {
        if (start.commandLine != built.Quoted("PICTHELP.EXE")) return;
        WindowId builder = built.p.windows.Create(kHubClass, "Brekkan PictHelp IDE");
        built.p.clock.Schedule(12, [&built, builder] {
            built.Put("C:\\Orvintal\\DATEX.IHP");
            built.p.windows.Destroy(builder);
        });
    };
    EXPECT_FALSE(built.RunFor(21));
    EXPECT_EQ(built.Count(built.Quoted("PICTHELP.EXE")), 1);
    EXPECT_TRUE(built.Completed());
}

}  // namespace
}  // namespace kolvane
