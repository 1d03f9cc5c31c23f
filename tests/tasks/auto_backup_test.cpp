#include "tasks/auto_backup.h"

#include "timer_fixture.h"

namespace kolvane {
namespace {

DateTime At(int hour, int minute, int second, DateTime day = {2026, 12, 7}) {
    return {day.year, day.month, day.day, hour, minute, second};
}

// A hub whose start is complete, with the automatic backup switched on for the morning window; every start
// of the backup program is noted with its moment and the date recorded by then.
struct BackupSystem : TimedSystem {
    struct Backup {
        DateTime at;
        std::string recorded;
    };
    // Set to its moment before the timers run, so that no tick falls due in a jump of the clock.
    explicit BackupSystem(const DateTime& now = At(9, 0, 0)) {
        p.clock.Set(now);
        for (const char* program : {"DATASAFE.EXE", "HINTFEED.EXE"}) PutProgram(program);
        hub.settings.WriteInt(Setting::AutoTaxBackup, 1);
        hub.settings.WriteInt(Setting::AutoTaxTime, 0);
        p.shell.onStart = [this](const MemoryShell::Started& start) {
            if (start.commandLine == Quoted("DATASAFE.EXE") + " /auto")
                backups.push_back({p.clock.Now(), hub.settings.ReadText(Setting::TaxBackup)});
        };
        EnableTimer(hub, HubTimer::Timer2, true);
        EnableTimer(hub, HubTimer::Timer3, true);
    }
    std::vector<Backup> backups;
};

TEST(AutoBackupTest, CloseRequestEndsTheHubBeforeAnyBackupCheck) {
    const std::pair<std::optional<RegData>, bool> cases[] = {
        {DwordData(1), true}, {SzData("1"), true}, {DwordData(0), false}, {std::nullopt, false}, {DwordData(2), false}};
    for (const auto& [nowClose, closes] : cases) {
        SCOPED_TRACE(nowClose ? nowClose->bytes : "missing");
        BackupSystem s(At(10, 30, 0));  // in the window, no backup recorded: one would be due
        s.Store("NowClose", nowClose);
        EXPECT_EQ(s.Tick(HubTimer::Timer3), closes);
        EXPECT_EQ(s.p.windows.GetText(s.hub.Text1) == kCloseCommand, closes);
        EXPECT_EQ(TimerEnabled(s.hub, HubTimer::Timer2), !closes);
        EXPECT_EQ(s.backups.empty(), closes);
    }
    BackupSystem s;
    s.p.clock.Schedule(95, [&s] { s.hub.settings.WriteInt(Setting::NowClose, 1); });
    EXPECT_FALSE(s.RunFor(95));
    EXPECT_TRUE(s.RunFor(TimerPeriodMs(HubTimer::Timer3) / 1000.0 + 0.5)) << "within one period of the request";
}

TEST(AutoBackupTest, WindowsWithTheirEdgesAndTheSwitch) {
    struct Case {
        std::optional<RegData> autoTaxTime, autoTaxBackup;  // empty: missing
        DateTime at;
        bool backs;
    };
    const auto T = [](int v) { return std::optional<RegData>(DwordData(v)); };
    const Case cases[] = {
        {T(0), T(1), At(9, 59, 59), false},  {T(0), T(1), At(10, 0, 0), true},   {T(0), T(1), At(11, 59, 59), true},
        {T(0), T(1), At(12, 0, 0), false},   {T(1), T(1), At(12, 59, 59), false}, {T(1), T(1), At(13, 0, 0), true},
        {T(1), T(1), At(14, 59, 59), true},  {T(1), T(1), At(15, 0, 0), false},  {T(2), T(1), At(17, 59, 59), false},
        {T(2), T(1), At(18, 0, 0), true},    {T(2), T(1), At(19, 59, 59), true}, {T(2), T(1), At(20, 0, 0), false},
        {T(0), T(1), At(0, 0, 0), false},    {T(2), T(1), At(23, 59, 59), false}, {T(1), T(1), At(10, 30, 0), false},
        {T(3), T(1), At(10, 30, 0), false},  {T(-1), T(1), At(10, 30, 0), false},
        {std::nullopt, T(1), At(10, 30, 0), true},  // a missing choice reads as the first one
        {T(0), std::nullopt, At(10, 30, 0), false},  // a missing switch reads as off
        {T(0), T(0), At(10, 30, 0), false},  {T(0), T(2), At(10, 30, 0), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "AutoTaxTime " << (c.autoTaxTime ? c.autoTaxTime->bytes[0] : 'x')
                                          << ", AutoTaxBackup " << (c.autoTaxBackup ? c.autoTaxBackup->bytes[0] : 'x')
                                          << ", " << c.at.hour << ":" << c.at.minute << ":" << c.at.second);
        BackupSystem s(c.at);
        s.Store("AutoTaxTime", c.autoTaxTime);
        s.Store("AutoTaxBackup", c.autoTaxBackup);
        EXPECT_FALSE(s.Tick(HubTimer::Timer3));
        EXPECT_EQ(s.backups.size(), c.backs ? 1u : 0u);
        EXPECT_EQ(s.hub.timer3Tag, c.backs ? "1" : "0") << "outside the window or switched off the question stays open";
    }
}

TEST(AutoBackupTest, EightDayRule) {
    struct Case {
        const char* last;  // TaxBackup; null: missing
        DateTime today;
        bool backs;
    };
    const Case cases[] = {
        {"2026-11-30", At(10, 0, 0), false},                 // 7 days
        {"2026-11-29", At(10, 0, 0), true},                  // 8 days
        {"2026-12-07", At(10, 0, 0), false},                 // today
        {"2026-12-28", At(10, 0, 0, {2027, 1, 4}), false},   // 7 days over the year's end
        {"2026-12-28", At(10, 0, 0, {2027, 1, 5}), true},    // 8 days over it
        {"2028-02-22", At(10, 0, 0, {2028, 2, 29}), false},  // 7 days to a leap day
        {"2028-02-22", At(10, 0, 0, {2028, 3, 1}), true},    // 8 days over it
        {nullptr, At(10, 0, 0), true},                       // never backed up
        {"2027-03-01", At(10, 0, 0), true},                  // ahead of today: the clock once ran ahead
        {"gestern", At(10, 0, 0), true},                     // not a date, or not in the suite's form
        {"07.12.2026", At(10, 0, 0), true},
        {"2026-02-30", At(10, 0, 0), true},
        {"2026-1-01", At(10, 0, 0), true},
        {"+026-12-06", At(10, 0, 0), true},
        {" 2026-12-06", At(10, 0, 0), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.last ? c.last : "missing");
        BackupSystem s(c.today);
        if (c.last) s.hub.settings.WriteText(Setting::TaxBackup, c.last);
        EXPECT_FALSE(s.Tick(HubTimer::Timer3));
        ASSERT_EQ(s.backups.size(), c.backs ? 1u : 0u);
        EXPECT_EQ(s.hub.timer3Tag, "1") << "the question is settled for this run either way";
        char today[16];
        std::snprintf(today, sizeof today, "%04d-%02d-%02d", c.today.year, c.today.month, c.today.day);
        EXPECT_EQ(s.hub.settings.ReadText(Setting::TaxBackup), c.backs ? today : c.last);
        if (c.backs) {
            EXPECT_EQ(s.backups[0].recorded, today) << "recorded before the backup program starts";
            EXPECT_EQ(s.Started().front(), s.Quoted("HINTFEED.EXE") + " /b") << "the tip comes first";
        }
    }
}

TEST(AutoBackupTest, WithoutTheBackupProgramTheQuestionStaysOpenUntilItIsThere) {
    BackupSystem s(At(10, 0, 0));
    s.p.files.Delete(ProgramFile(s.hub, "DATASAFE.EXE"));
    EXPECT_FALSE(s.RunFor(10 * 60));
    EXPECT_TRUE(s.Started().empty()) << "no tip for a backup that cannot run";
    EXPECT_EQ(s.hub.timer3Tag, "0");
    EXPECT_FALSE(s.hub.settings.Exists(Setting::TaxBackup));

    s.PutProgram("DATASAFE.EXE");
    EXPECT_FALSE(s.RunFor(10.5));
    ASSERT_EQ(s.backups.size(), 1u);
    EXPECT_EQ(s.backups[0].recorded, "2026-12-07");
}

TEST(AutoBackupTest, ABackupThatCouldNotStartIsNotRecordedAsDone) {
    for (const char* previous : {"2026-11-01", static_cast<const char*>(nullptr)}) {
        SCOPED_TRACE(previous ? previous : "none recorded");
        BackupSystem s(At(10, 0, 0));
        if (previous) s.hub.settings.WriteText(Setting::TaxBackup, previous);
        // An update takes the backup program away between the test for it and its start.
        s.p.shell.onStart = [&s](const MemoryShell::Started&) { s.p.files.Delete(ProgramFile(s.hub, "DATASAFE.EXE")); };
        EXPECT_FALSE(s.Tick(HubTimer::Timer3));

        EXPECT_EQ(s.Started(), (std::vector<std::string>{s.Quoted("HINTFEED.EXE") + " /b"}));
        EXPECT_EQ(s.hub.settings.Exists(Setting::TaxBackup), previous != nullptr);
        EXPECT_EQ(s.hub.settings.ReadText(Setting::TaxBackup), previous ? previous : "");
        ASSERT_EQ(s.p.tray.balloons.size(), 1u);
        EXPECT_EQ(s.p.tray.balloons[0].icon, BalloonIcon::Warning);
        EXPECT_EQ(s.hub.timer3Tag, "1") << "no tip every 10 s for the rest of the window";
    }
}

// A month of an advice centre on the fake clock: the hub started in the morning and closed in the
// evening, some days not at all, once started in the window, once after it, once running through the
// night, once restarted in the window after its backup.
TEST(AutoBackupTest, SimulatedMonthBacksUpExactlyWhereTheRulesSay) {
    struct Run {
        DateTime from, to;
    };
    const auto Dec = [](int day, int hour, int minute) { return DateTime{2026, 12, day, hour, minute, 0}; };
    std::vector<Run> runs;
    for (int day = 1; day <= 31; ++day) {
        if (day == 5 || day == 6 || day == 18 || (day >= 24 && day <= 26)) continue;
        if (day == 1) runs.push_back({Dec(1, 13, 30), Dec(1, 17, 0)});  // started in the window
        else if (day == 9) runs.push_back({Dec(9, 15, 0), Dec(9, 17, 0)});  // due, but after the window
        else if (day == 10) runs.insert(runs.end(), {{Dec(10, 8, 0), Dec(10, 13, 30)}, {Dec(10, 13, 40), Dec(10, 17, 0)}});
        else if (day == 17) runs.push_back({Dec(17, 15, 0), Dec(18, 17, 0)});  // through the night
        else if (day == 31) runs.push_back({Dec(31, 8, 0), Dec(31, 12, 0)});
        else runs.push_back({Dec(day, 8, 0), Dec(day, 17, 0)});
    }
    BackupSystem s;  // the settings, the files and the clock the runs share; its own hub stays idle
    for (HubTimer timer : {HubTimer::Timer2, HubTimer::Timer3}) EnableTimer(s.hub, timer, false);
    s.hub.settings.WriteInt(Setting::AutoTaxTime, 1);
    s.hub.settings.WriteText(Setting::TaxBackup, "2026-11-20");

    for (const Run& run : runs) {
        SCOPED_TRACE(::testing::Message() << "run from day " << run.from.day);
        s.p.clock.Set(run.from);
        // A new process whose start has just switched Timer4 and Timer5 on.
        Hub process(s.p.os);
        process.LrDatabase = s.hub.LrDatabase;
        TimerDriver driver(process, s.p.clock);
        EnableTimer(process, HubTimer::Timer4, true);
        EnableTimer(process, HubTimer::Timer5, true);
        const double seconds = (run.to.day - run.from.day) * 86400.0 + (run.to.hour - run.from.hour) * 3600.0 +
                               (run.to.minute - run.from.minute) * 60.0;
        ASSERT_FALSE(RunClock(s.p.clock, seconds));
    }

    const DateTime expected[] = {Dec(1, 13, 30), Dec(10, 13, 0), Dec(18, 13, 0), Dec(27, 13, 0)};
    ASSERT_EQ(s.backups.size(), std::size(expected));
    for (std::size_t i = 0; i < s.backups.size(); ++i) {
        const DateTime& at = s.backups[i].at;
        SCOPED_TRACE(::testing::Message() << "backup " << i << " on day " << at.day);
        EXPECT_EQ(DateTime(at.year, at.month, at.day, at.hour, at.minute, 0), expected[i]);
        EXPECT_LT(at.second, 20) << "the first ticks after the start or the window's opening";
    }
    EXPECT_EQ(s.hub.settings.ReadText(Setting::TaxBackup), "2026-12-27");
}

}  // namespace
}  // namespace kolvane
