#include "tasks/auto_backup.h"

#include "timer_fixture.h"

namespace kolvane {
namespace {

// A backup started: when, and which record the hub left.
struct Backup {
    DateTime at;
    std::string recorded;
};

class AutoBackupTest : public TimerTest {
protected:
    AutoBackupTest() {
        for (const char* program : {"DATASAFE.EXE", "HINTFEED.EXE"}) PutProgram(program);
        hub.settings.WriteInt(Setting::AutoTaxBackup, 1);
        hub.settings.WriteInt(Setting::AutoTaxTime, 0);
        p.shell.onStart = [this](const MemoryShell::Started& start) {
            if (start.commandLine == Quoted("DATASAFE.EXE") + " /auto")
                backups.push_back({p.clock.Now(), hub.settings.ReadText(Setting::TaxBackup)});
        };
    }
    // The hub of this run as the start leaves it once complete: Timer3 on, the backup question open.
    void StartWatches() {
        hub.timer3Tag = "0";
        EnableTimer(hub, HubTimer::Timer3, true);
    }
    // One Timer3 tick at the given moment of the day.
    bool TickAt(const DateTime& at) {
        p.clock.Set(at);
        return Tick(HubTimer::Timer3);
    }

    std::vector<Backup> backups;
};

constexpr DateTime kDay{2026, 12, 7, 0, 0, 0};

DateTime At(int hour, int minute, int second, DateTime day = kDay) {
    day.hour = hour;
    day.minute = minute;
    day.second = second;
    return day;
}

TEST_F(AutoBackupTest, CloseRequestEndsTheHubBeforeAnyBackupCheck) {
    struct Case {
        const char* name;
        std::optional<RegData> nowClose;
        bool closes;
    };
    const Case cases[] = {
        {"1", DwordData(1), true},
        {"1 as text", SzData("1"), true},
        {"0", DwordData(0), false},
        {"missing", std::nullopt, false},
        {"2", DwordData(2), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstalledSystem s;
        s.hub.Text1 = s.p.windows.Create(kCommandBoxClass, "", s.hub.Root);
        s.p.windows.Get(s.hub.Text1).onChange = [&s](const std::string& text) { OnCommandText(s.hub, text); };
        s.p.files.Put(ProgramFile(s.hub, "DATASAFE.EXE"), "");
        s.hub.settings.WriteInt(Setting::AutoTaxBackup, 1);
        s.Store("NowClose", c.nowClose);
        s.p.clock.Set(At(10, 30, 0));  // in the window, no backup recorded: one would be due
        EnableTimer(s.hub, HubTimer::Timer2, true);
        EnableTimer(s.hub, HubTimer::Timer3, true);

        bool ended = false;
        try {
            OnTimer(s.hub, HubTimer::Timer3);
        } catch (const ProcessTerminated&) {
            ended = true;
        }
        EXPECT_EQ(ended, c.closes);
        EXPECT_EQ(s.p.windows.GetText(s.hub.Text1) == kCloseCommand, c.closes);
        EXPECT_EQ(TimerEnabled(s.hub, HubTimer::Timer2), !c.closes);
        EXPECT_EQ(s.p.shell.started.empty(), c.closes) << "a close request starts no backup";
    }
}

TEST_F(AutoBackupTest, CloseRequestWrittenByAnotherProgramEndsTheHubWithinOnePeriod) {
    StartWatches();
    p.clock.Schedule(95, [this] { hub.settings.WriteInt(Setting::NowClose, 1); });
    EXPECT_FALSE(Run(95));
    EXPECT_TRUE(Run(TimerPeriodMs(HubTimer::Timer3) / 1000.0 + 0.5));
    EXPECT_EQ(p.windows.GetText(hub.Text1), kCloseCommand);
}

TEST_F(AutoBackupTest, WindowEdgesOfEveryChoice) {
    struct Case {
        std::int16_t autoTaxTime;
        DateTime at;
        bool inside;
    };
    const Case cases[] = {
        {0, At(9, 59, 59), false},  {0, At(10, 0, 0), true},   {0, At(11, 59, 59), true},  {0, At(12, 0, 0), false},
        {1, At(12, 59, 59), false}, {1, At(13, 0, 0), true},   {1, At(14, 59, 59), true},  {1, At(15, 0, 0), false},
        {2, At(17, 59, 59), false}, {2, At(18, 0, 0), true},   {2, At(19, 59, 59), true},  {2, At(20, 0, 0), false},
        {0, At(0, 0, 0), false},    {2, At(23, 59, 59), false}, {1, At(10, 30, 0), false}, {2, At(13, 30, 0), false},
        {3, At(10, 30, 0), false},  {-1, At(10, 30, 0), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "AutoTaxTime " << c.autoTaxTime << " at " << c.at.hour << ":"
                                          << c.at.minute << ":" << c.at.second);
        hub.settings.WriteInt(Setting::AutoTaxTime, c.autoTaxTime);
        hub.settings.WriteText(Setting::TaxBackup, "2026-11-01");
        backups.clear();
        StartWatches();
        EXPECT_FALSE(TickAt(c.at));
        EXPECT_EQ(backups.size(), c.inside ? 1u : 0u);
        EXPECT_EQ(hub.timer3Tag, c.inside ? "1" : "0") << "outside the window the question stays open";
    }
}

TEST_F(AutoBackupTest, MissingChoiceOfTimeReadsAsTheMorningWindow) {
    p.registry.DeleteValue(kSettingsKey.root, kSettingsKey.path, "AutoTaxTime");
    StartWatches();
    EXPECT_FALSE(TickAt(At(10, 0, 0)));
    EXPECT_EQ(backups.size(), 1u);
}

TEST_F(AutoBackupTest, OnlyAnExplicitOnStartsBackups) {
    struct Case {
        const char* name;
        std::optional<RegData> autoTaxBackup;
        bool backs;
    };
    const Case cases[] = {
        {"1", DwordData(1), true},
        {"missing", std::nullopt, false},
        {"0", DwordData(0), false},
        {"2", DwordData(2), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        p.registry.DeleteValue(kSettingsKey.root, kSettingsKey.path, "AutoTaxBackup");
        if (c.autoTaxBackup) p.registry.Put(kSettingsKey.root, kSettingsKey.path, "AutoTaxBackup", *c.autoTaxBackup);
        backups.clear();
        StartWatches();
        EXPECT_FALSE(TickAt(At(10, 0, 0)));
        EXPECT_EQ(backups.size(), c.backs ? 1u : 0u);
        EXPECT_EQ(hub.timer3Tag, c.backs ? "1" : "0");
    }
}

TEST_F(AutoBackupTest, EightDayRule) {
    struct Case {
        const char* last;  // TaxBackup, null: missing
        DateTime today;
        bool backs;
    };
    const Case cases[] = {
        {"2026-11-30", At(10, 0, 0), false},                        // 7 days
        {"2026-11-29", At(10, 0, 0), true},                         // 8 days
        {"2026-12-07", At(10, 0, 0), false},                        // today
        {"2026-12-28", At(10, 0, 0, {2027, 1, 4}), false},          // 7 days over the year's end
        {"2026-12-28", At(10, 0, 0, {2027, 1, 5}), true},           // 8 days over the year's end
        {"2028-02-22", At(10, 0, 0, {2028, 2, 29}), false},         // 7 days to a leap day
        {"2028-02-22", At(10, 0, 0, {2028, 3, 1}), true},           // 8 days over a leap day
        {nullptr, At(10, 0, 0), true},                              // never backed up
        {"gestern", At(10, 0, 0), true},                            // not a date
        {"07.12.2026", At(10, 0, 0), true},                         // not the suite's form of the date
        {"2026-02-30", At(10, 0, 0), true},                         // no such day
        {"2026-1-01", At(10, 0, 0), true},
        {"2027-03-01", At(10, 0, 0), true},                         // ahead of today: the clock ran ahead once
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.last ? c.last : "missing");
        if (c.last) hub.settings.WriteText(Setting::TaxBackup, c.last);
        else hub.settings.Delete(Setting::TaxBackup);
        backups.clear();
        StartWatches();
        EXPECT_FALSE(TickAt(c.today));
        ASSERT_EQ(backups.size(), c.backs ? 1u : 0u);
        EXPECT_EQ(hub.timer3Tag, "1") << "the question is settled for this run either way";
        char today[16];
        std::snprintf(today, sizeof today, "%04d-%02d-%02d", c.today.year, c.today.month, c.today.day);
        if (c.backs) {
            EXPECT_EQ(backups[0].recorded, today) << "recorded before the backup program starts";
        }
        EXPECT_EQ(hub.settings.ReadText(Setting::TaxBackup), c.backs ? today : c.last);
    }
}

TEST_F(AutoBackupTest, TheTipComesBeforeTheBackupAndItsAbsenceStopsNothing) {
    StartWatches();
    EXPECT_FALSE(TickAt(At(10, 0, 0)));
    EXPECT_EQ(Started(), (std::vector<std::string>{Quoted("HINTFEED.EXE") + " /b", Quoted("DATASAFE.EXE") + " /auto"}));

    p.shell.started.clear();
    p.files.Delete(ProgramFile(hub, "HINTFEED.EXE"));
    hub.settings.WriteText(Setting::TaxBackup, "2026-01-01");
    StartWatches();
    EXPECT_FALSE(TickAt(At(10, 0, 0)));
    EXPECT_EQ(Started(), (std::vector<std::string>{Quoted("DATASAFE.EXE") + " /auto"}));
}

TEST_F(AutoBackupTest, WithoutTheBackupProgramTheQuestionStaysOpenUntilItIsThere) {
    p.files.Delete(ProgramFile(hub, "DATASAFE.EXE"));
    p.clock.Set(At(10, 0, 0));
    StartWatches();
    EXPECT_FALSE(Run(10 * 60));
    EXPECT_TRUE(Started().empty()) << "no tip for a backup that cannot run";
    EXPECT_EQ(hub.timer3Tag, "0");
    EXPECT_FALSE(hub.settings.Exists(Setting::TaxBackup));

    PutProgram("DATASAFE.EXE");
    EXPECT_FALSE(Run(10.5));
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].recorded, "2026-12-07");
    EXPECT_EQ(hub.timer3Tag, "1");
}

TEST_F(AutoBackupTest, ABackupThatCouldNotStartIsNotRecordedAsDone) {
    struct Case {
        const char* previous;  // null: none recorded
    };
    for (const Case& c : {Case{"2026-11-01"}, Case{nullptr}}) {
        SCOPED_TRACE(c.previous ? c.previous : "none");
        if (c.previous) hub.settings.WriteText(Setting::TaxBackup, c.previous);
        else hub.settings.Delete(Setting::TaxBackup);
        PutProgram("DATASAFE.EXE");
        // An update takes the backup program away between the test for it and its start.
        p.shell.onStart = [this](const MemoryShell::Started&) { p.files.Delete(ProgramFile(hub, "DATASAFE.EXE")); };
        p.shell.started.clear();
        p.tray.balloons.clear();
        StartWatches();
        EXPECT_FALSE(TickAt(At(10, 0, 0)));

        EXPECT_EQ(Started(), (std::vector<std::string>{Quoted("HINTFEED.EXE") + " /b"}));
        EXPECT_EQ(hub.settings.Exists(Setting::TaxBackup), c.previous != nullptr);
        if (c.previous) {
            EXPECT_EQ(hub.settings.ReadText(Setting::TaxBackup), c.previous);
        }
        EXPECT_EQ(hub.timer3Tag, "1") << "no tip every 10 s for the rest of the window";
    }
}

TEST_F(AutoBackupTest, OneBackupPerRunOfTheHub) {
    hub.settings.WriteText(Setting::TaxBackup, "2026-11-01");
    p.clock.Set(At(9, 0, 0));
    StartWatches();
    EXPECT_FALSE(Run(3 * 86400));  // three whole days, all windows passed
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].at.day, 7);
    EXPECT_EQ(backups[0].at.hour, 10);
    EXPECT_EQ(backups[0].at.minute, 0);
    EXPECT_LT(backups[0].at.second, 10) << "the first tick in the window";
}

TEST_F(AutoBackupTest, AWindowIsReachedAcrossMidnight) {
    // Started in the evening after the window, with the backup not yet due; due on the next morning.
    hub.settings.WriteText(Setting::TaxBackup, "2026-11-30");
    p.clock.Set(At(20, 0, 0));
    StartWatches();
    EXPECT_FALSE(Run(4 * 3600 + 14 * 3600 + 5));  // to 10:00:05 of the next day
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].at.day, 8);
    EXPECT_EQ(backups[0].recorded, "2026-12-08");
}

// A month of an advice centre: the hub started in the morning and closed in the evening, some days not at
// all, once started in the window, once after it, once running through the night, once restarted in the
// window after its backup.
TEST_F(AutoBackupTest, SimulatedMonthBacksUpExactlyWhereTheRulesSay) {
    struct Run {
        int day;
        DateTime from, to;  // the hub's run, in December 2026 unless the end lies in the next day
    };
    auto Dec = [](int day, int hour, int minute) { return DateTime{2026, 12, day, hour, minute, 0}; };
    std::vector<Run> runs;
    for (int day = 1; day <= 31; ++day) {
        if (day == 5 || day == 6 || (day >= 24 && day <= 26) || day == 18) continue;
        if (day == 1) runs.push_back({day, Dec(1, 13, 30), Dec(1, 17, 0)});        // started in the window
        else if (day == 9) runs.push_back({day, Dec(9, 15, 0), Dec(9, 17, 0)});    // due, but after the window
        else if (day == 10) {                                                      // restarted in the window
            runs.push_back({day, Dec(10, 8, 0), Dec(10, 13, 30)});
            runs.push_back({day, Dec(10, 13, 40), Dec(10, 17, 0)});
        } else if (day == 17) runs.push_back({day, Dec(17, 15, 0), Dec(18, 17, 0)});  // through the night
        else if (day == 31) runs.push_back({day, Dec(31, 8, 0), Dec(31, 12, 0)});
        else runs.push_back({day, Dec(day, 8, 0), Dec(day, 17, 0)});
    }
    hub.settings.WriteInt(Setting::AutoTaxTime, 1);
    hub.settings.WriteText(Setting::TaxBackup, "2026-11-20");
    for (const char* program : {"PICTHELP.EXE", "FEEDESK.EXE"}) p.files.Delete(ProgramFile(hub, program));

    for (const Run& run : runs) {
        SCOPED_TRACE(run.day);
        p.clock.Set(run.from);
        // A new process: a new hub with its start completed by Timer4, its timers on the clock.
        Hub started(os);
        started.LrDatabase = hub.LrDatabase;
        TimerDriver driver(started, p.clock);
        EnableTimer(started, HubTimer::Timer4, true);
        EnableTimer(started, HubTimer::Timer5, true);
        const double seconds = (run.to.day - run.from.day) * 86400.0 + (run.to.hour - run.from.hour) * 3600.0 +
                               (run.to.minute - run.from.minute) * 60.0;
        ASSERT_FALSE(RunClock(p.clock, seconds));
    }

    const DateTime expected[] = {{2026, 12, 1, 13, 30}, {2026, 12, 10, 13, 0}, {2026, 12, 18, 13, 0},
                                 {2026, 12, 27, 13, 0}};
    ASSERT_EQ(backups.size(), std::size(expected));
    for (std::size_t i = 0; i < backups.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(backups[i].at.day, expected[i].day);
        EXPECT_EQ(backups[i].at.hour, expected[i].hour);
        EXPECT_EQ(backups[i].at.minute, expected[i].minute);
        EXPECT_LT(backups[i].at.second, 20) << "the first ticks after the start and in the window";
    }
    EXPECT_EQ(hub.settings.ReadText(Setting::TaxBackup), "2026-12-27");
}

TEST(BackupWindowTest, DaysSinceReadsOnlyTheSuitesDateForm) {
    const DateTime today{2026, 12, 7, 10, 0, 0};
    EXPECT_EQ(DaysSince("2026-11-29", today), 8);
    EXPECT_EQ(DaysSince("2026-12-08", today), -1);
    for (const char* bad : {"", "2026-12-7", "2026/11/29", "29.11.2026", "2026-00-10", "2026-11-31", "+026-11-29",
                            "2026-11-29 ", " 2026-11-29"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(DaysSince(bad, today).has_value());
    }
}

}  // namespace
}  // namespace kolvane
