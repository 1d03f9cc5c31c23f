#include "tasks/timer_schedule.h"

#include "timer_fixture.h"

namespace kolvane {
namespace {

class TimerScheduleTest : public TimerTest {
protected:
    // The start is waiting for the index, so every Timer4 tick shows the tip and then waits.
    TimerScheduleTest() {
        for (const char* program : {"PICTHELP.EXE", "FEEDESK.EXE", "HINTFEED.EXE", "CLOSEALL.EXE"}) PutProgram(program);
        PutDatabaseFile("DATEX.IHP");
        hub.settings.WriteText(Setting::DB_IHP, "0");
    }
    int Tips() const {
        auto lines = Started();
        return static_cast<int>(std::count(lines.begin(), lines.end(), Quoted("HINTFEED.EXE") + " /a"));
    }
};

TEST_F(TimerScheduleTest, ASwitchedOffTimerDoesNothing) {
    PutDatabaseFile("EXIT.SUB");
    hub.settings.WriteInt(Setting::NowClose, 1);
    for (HubTimer timer : {HubTimer::Timer1, HubTimer::Timer2, HubTimer::Timer3, HubTimer::Timer4, HubTimer::Timer5}) {
        SCOPED_TRACE(static_cast<int>(timer));
        EXPECT_FALSE(Tick(timer));
    }
    EXPECT_TRUE(Started().empty());
}

TEST_F(TimerScheduleTest, ATickNeverRunsInsideItselfButOtherTimersTicksDo) {
    EnableTimer(hub, HubTimer::Timer4, true);
    // The window's next Timer4 message arrives while the tick waits after its tip.
    p.clock.Schedule(0.5, [this] { OnTimer(hub, HubTimer::Timer4); });
    EXPECT_FALSE(Tick(HubTimer::Timer4));
    EXPECT_EQ(Tips(), 1);

    EXPECT_FALSE(Tick(HubTimer::Timer4)) << "the next tick after the first has ended runs";
    EXPECT_EQ(Tips(), 2);

    PutDatabaseFile("EXIT.SUB");
    EnableTimer(hub, HubTimer::Timer5, true);
    p.clock.Schedule(0.5, [this] { OnTimer(hub, HubTimer::Timer5); });
    EXPECT_TRUE(Tick(HubTimer::Timer4)) << "the exit request ends the hub during the wait";
}

TEST_F(TimerScheduleTest, EachTimerTicksAtItsPeriodWhileOn) {
    // Count ticks through what they leave: the start's tips every 5 s, for a minute and a half.
    EnableTimer(hub, HubTimer::Timer4, true);
    EXPECT_FALSE(Run(92));
    EXPECT_EQ(Tips(), 18);
    EnableTimer(hub, HubTimer::Timer4, false);
    EXPECT_FALSE(Run(60));
    EXPECT_EQ(Tips(), 18);
}

}  // namespace
}  // namespace kolvane
