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
    built.p.clock.startedBefore = 0.25;  // the start's own work: the rest is the timer's periods and the waits
    built.hub.startTiming.WaitBegins();  // as the start leaves it
    built.Put("C:\\Temp\\KOLVANE.LOG");
    EXPECT_FALSE(built.RunFor(21));
    EXPECT_EQ(built.Count(built.Quoted("PICTHELP.EXE")), 1);
    EXPECT_TRUE(built.Completed());
    EXPECT_EQ(built.p.files.ReadAll("C:\\Temp\\KOLVANE.LOG").value_or("").substr(20),
              "Start bereit: 250 ms eigene Arbeit, 21250 ms seit dem Prozessstart\r\n");

    WaitingStart stuck;  // without the index builder nothing could end the wait
    stuck.Store("DB_IHP", SzData("0"));
    stuck.p.files.Delete(ProgramFile(stuck.hub, "PICTHELP.EXE"));
    EXPECT_EQ(ComputeStartWait(stuck.hub), StartWait::Ready);
}

}  // namespace
}  // namespace kolvane
