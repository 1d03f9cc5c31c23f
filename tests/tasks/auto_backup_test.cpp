#include "tasks/auto_backup.h"

#include "timer_fixture.h"

namespace kolvane {
namespace {

// A hub whose start is complete, with the automatic backup switched on for the morning window; every start
// of the backup program is noted with the date recorded by then.
struct BackupSystem : TimedSystem {
    explicit BackupSystem(const DateTime& now = {2026, 12, 7, 10, 30, 0}) {
        p.clock.Set(now);  // before the timers run, so that no tick falls due in a jump of the clock
        for (const char* program : {"DATASAFE.EXE", "HINTFEED.EXE"}) PutProgram(program);
        hub.settings.WriteInt(Setting::AutoTaxBackup, 1);
        hub.settings.WriteInt(Setting::AutoTaxTime, 0);
        p.shell.onStart = [this](const Started& start) {
            if (start.commandLine == Quoted("DATASAFE.EXE") + " /auto") backups.push_back(hub.settings.ReadText(Setting::TaxBackup));
        };
        EnableTimer(hub, HubTimer::Timer2, true);
        EnableTimer(hub, HubTimer::Timer3, true);
    }
    std::vector<std::string> backups;
};

// A close request ends the hub before any backup is looked at, within one period of the request.
TEST(AutoBackupTest, CloseRequestEndsTheHubBeforeAnyBackupCheck) {
    for (const auto& [nowClose, closes] : {std::pair{std::optional(DwordData(1)), true}, {SzData("1"), true},
                                           {DwordData(2), false}, {std::nullopt, false}}) {
        BackupSystem s;
        s.Store("NowClose", nowClose);
        EXPECT_EQ(s.Tick(HubTimer::Timer3), closes);
        EXPECT_EQ(TimerEnabled(s.hub, HubTimer::Timer2), !closes);
        EXPECT_EQ(s.backups.empty(), closes);
    }
    BackupSystem s;
    s.p.clock.Schedule(95, [&s] { s.hub.settings.WriteInt(Setting::NowClose, 1); });
    EXPECT_FALSE(s.RunFor(95));
    EXPECT_TRUE(s.RunFor(10.5));
}

// `AutoTaxTime` 0, 1, 2: 10-12, 13-15 or 18-20 o'clock; a missing choice reads as the first, a missing switch as off.
TEST(AutoBackupTest, WindowsWithTheirEdgesAndTheSwitch) {
    const std::optional<RegData> none;
    struct Case { std::optional<RegData> autoTaxTime, autoTaxBackup; int hour, minute; bool backs; };
    const Case cases[] = {
        {DwordData(0), DwordData(1), 9, 59, false}, {DwordData(0), DwordData(1), 10, 0, true},
        {DwordData(0), DwordData(1), 12, 0, false}, {DwordData(1), DwordData(1), 13, 0, true},
        {DwordData(2), DwordData(1), 19, 59, true}, {DwordData(3), DwordData(1), 10, 30, false},
        {none, DwordData(1), 10, 30, true},         {DwordData(0), none, 10, 30, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.hour << ":" << c.minute);
        BackupSystem s({2026, 12, 7, c.hour, c.minute, 0});
        s.Store("AutoTaxTime", c.autoTaxTime);
        s.Store("AutoTaxBackup", c.autoTaxBackup);
        EXPECT_FALSE(s.Tick(HubTimer::Timer3));
        EXPECT_EQ(s.backups.size(), c.backs ? 1u : 0u);
        EXPECT_EQ(s.hub.timer3Tag, c.backs ? "1" : "0") << "outside the window or switched off the question stays open";
    }
}

// A backup is due 8 days after the last, or when none is recorded, the record is unreadable, or lies ahead of
// today (a clock that ran ahead once would stop every backup until that day). The date is recorded before the
// backup program starts, after the tip.
TEST(AutoBackupTest, EightDayRule) {
    const std::tuple<const char*, DateTime, bool> cases[] = {
        {"2026-11-30", {2026, 12, 7, 10}, false}, {"2026-11-29", {2026, 12, 7, 10}, true},
        {"2026-12-28", {2027, 1, 5, 10}, true},   {"2028-02-22", {2028, 2, 29, 10}, false},
        {nullptr, {2026, 12, 7, 10}, true},       {"2027-03-01", {2026, 12, 7, 10}, true},
        {"07.12.2026", {2026, 12, 7, 10}, true},  {"2026-02-30", {2026, 12, 7, 10}, true},
    };
    for (const auto& [last, today, backs] : cases) {
        SCOPED_TRACE(last ? last : "missing");
        BackupSystem s(today);
        if (last) s.hub.settings.WriteText(Setting::TaxBackup, last);
        EXPECT_FALSE(s.Tick(HubTimer::Timer3));
        const std::string date = std::to_string(today.year) + (today.month < 10 ? "-0" : "-") + std::to_string(today.month) +
                                 (today.day < 10 ? "-0" : "-") + std::to_string(today.day);
        EXPECT_EQ(s.backups, backs ? std::vector{date} : std::vector<std::string>{});
        EXPECT_EQ(s.hub.settings.ReadText(Setting::TaxBackup), backs ? date : last);
        EXPECT_EQ(s.hub.timer3Tag, "1") << "the question is settled for this run either way";
        EXPECT_TRUE(!backs || s.p.shell.started.front().commandLine == s.Quoted("HINTFEED.EXE") + " /b");
    }
}

// Without the backup program the question stays open, and no tip is shown, until it is there; a backup that
// could not start is not recorded as done, and warned of once.
TEST(AutoBackupTest, ABackupThatCannotRunIsNotRecordedAsDone) {
    BackupSystem s;
    s.p.files.Delete(ProgramFile(s.hub, "DATASAFE.EXE"));
    EXPECT_FALSE(s.RunFor(10 * 60));
    EXPECT_TRUE(s.p.shell.started.empty());
    EXPECT_FALSE(s.hub.settings.Exists(Setting::TaxBackup));
    s.PutProgram("DATASAFE.EXE");
    EXPECT_FALSE(s.RunFor(10.5));
    EXPECT_EQ(s.backups, std::vector<std::string>{"2026-12-07"});

    for (const char* previous : {"2026-11-01", static_cast<const char*>(nullptr)}) {
        BackupSystem failing;
        if (previous) failing.hub.settings.WriteText(Setting::TaxBackup, previous);
        // An update takes the backup program away between the test for it and its start.
        failing.p.shell.onStart = [&](const Started&) { failing.p.files.Delete(ProgramFile(failing.hub, "DATASAFE.EXE")); };
        EXPECT_FALSE(failing.Tick(HubTimer::Timer3));
        EXPECT_EQ(failing.hub.settings.ReadText(Setting::TaxBackup), previous ? previous : "");
        EXPECT_EQ(failing.hub.settings.Exists(Setting::TaxBackup), previous != nullptr);
        ASSERT_EQ(failing.p.tray.balloons.size(), 1u);
        EXPECT_EQ(failing.hub.timer3Tag, "1") << "no tip every 10 s for the rest of the window";
    }
}

}  // namespace
}  // namespace kolvane
