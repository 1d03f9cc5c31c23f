#include "tasks/timer_schedule.h"

#include "tasks/auto_backup.h"
#include "timer_fixture.h"

namespace kolvane {
namespace {

// A switched-off timer does nothing; a tick never runs inside itself (its waits pump messages), but another
// timer's tick does.
TEST(TimerScheduleTest, ATickNeverRunsInsideItselfButOtherTimersTicksDo) {
    TimedSystem s;  // the start waits for the index: every Timer4 tick shows the tip and then waits
    for (const char* program : {"PICTHELP.EXE", "FEEDESK.EXE", "HINTFEED.EXE"}) s.PutProgram(program);
    s.hub.settings.WriteText(Setting::DB_IHP, "1");
    s.Put("C:\\Orvintal\\EXIT.SUB");
    s.hub.settings.WriteInt(Setting::NowClose, 1);
    for (HubTimer timer : {HubTimer::Timer1, HubTimer::Timer2, HubTimer::Timer3, HubTimer::Timer4, HubTimer::Timer5})
        EXPECT_FALSE(s.Tick(timer)) << static_cast<int>(timer);
    EXPECT_TRUE(s.p.shell.started.empty());
    s.p.files.Delete("C:\\Orvintal\\EXIT.SUB");
    EnableTimer(s.hub, HubTimer::Timer4, true);
    const std::string tip = s.Quoted("HINTFEED.EXE") + " /a";

    // The window's next Timer4 message arrives while the tick waits after its tip.
    s.p.clock.Schedule(0.5, [&s] { OnTimer(s.hub, HubTimer::Timer4); });
    EXPECT_FALSE(s.Tick(HubTimer::Timer4));
    EXPECT_EQ(s.Count(tip), 1);
    EXPECT_FALSE(s.Tick(HubTimer::Timer4));
    EXPECT_EQ(s.Count(tip), 2) << "the next tick after the first has ended runs";

    s.Put("C:\\Orvintal\\EXIT.SUB");
    EnableTimer(s.hub, HubTimer::Timer5, true);
    s.p.clock.Schedule(0.5, [&s] { OnTimer(s.hub, HubTimer::Timer5); });
    EXPECT_TRUE(s.Tick(HubTimer::Timer4)) << "the exit request ends the hub during the wait";
}

// Each timer's period, and the hours of the day ("x") in which each `AutoTaxTime` opens the backup window.
TEST(TimerScheduleTest, PeriodsAndBackupWindows) {
    for (const auto& [timer, ms] : {std::pair{HubTimer::Timer1, 8000}, {HubTimer::Timer2, 65000}, {HubTimer::Timer3, 10000},
                                    {HubTimer::Timer4, 5000}, {HubTimer::Timer5, 33000}})
        EXPECT_EQ(TimerPeriodMs(timer), ms) << static_cast<int>(timer);
    for (const auto& [autoTaxTime, hours] : {std::pair{0, "..........xx............"}, {1, ".............xx........."},
                                             {2, "..................xx...."}, {3, "........................"}}) {
        std::string open;
        for (int hour = 0; hour < 24; ++hour) open += InBackupWindow(autoTaxTime, hour) ? 'x' : '.';
        EXPECT_EQ(open, hours) << autoTaxTime;
    }
}

}  // namespace
}  // namespace kolvane
