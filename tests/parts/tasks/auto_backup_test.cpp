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

// A backup is due in the window `AutoTaxTime` chooses (its hours are a timer schedule row; missing: the first)
// while `AutoTaxBackup` is 1, 8 days after the last, or when none is recorded, the record is unreadable, or lies
// ahead of today (a clock that ran ahead once would stop every backup until that day). The date is recorded
// before the backup program starts, after the tip; outside the window or switched off the question stays open.
TEST(AutoBackupTest, DueInItsWindowEveryEighthDay) {
    const std::optional<RegData> none, on = DwordData(1);
    struct Case { int hour, minute; std::optional<RegData> autoTaxTime, autoTaxBackup; const char* last; bool settled, backs; };
    const Case cases[] = {
        {9, 59, DwordData(0), on, nullptr, false, false}, {10, 0, DwordData(0), on, "2026-11-29", true, true},
        {10, 30, none, on, nullptr, true, true},          {10, 30, DwordData(0), none, nullptr, false, false},
        {10, 30, DwordData(0), on, "2026-11-30", true, false}, {10, 30, DwordData(0), on, "2027-03-01", true, true},
        {10, 30, DwordData(0), on, "2026-02-30", true, true},  {10, 30, DwordData(0), on, "07.12.2026", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.hour << ":" << c.minute << " " << (c.last ? c.last : "-"));
        BackupSystem s({2026, 12, 7, c.hour, c.minute, 0});
        s.Store("AutoTaxTime", c.autoTaxTime);
        s.Store("AutoTaxBackup", c.autoTaxBackup);
        if (c.last) s.hub.settings.WriteText(Setting::TaxBackup, c.last);
        EXPECT_FALSE(s.Tick(HubTimer::Timer3));
        EXPECT_EQ(s.backups, c.backs ? std::vector<std::string>{"2026-12-07"} : std::vector<std::string>{});
        EXPECT_EQ(s.hub.settings.ReadText(Setting::TaxBackup), c.backs ? "2026-12-07" : c.last ? c.last : "");
        EXPECT_EQ(s.hub.timer3Tag, c.settled ? "1" : "0");
        EXPECT_TRUE(!c.backs || s.p.shell.started.front().commandLine == s.Quoted("HINTFEED.EXE") + " /b");
    }
    BackupSystem s({2027, 1, 5, 10, 0, 0});  // 8 days over the year's end
    s.hub.settings.WriteText(Setting::TaxBackup, "2026-12-28");
    EXPECT_FALSE(s.Tick(HubTimer::Timer3));
    EXPECT_EQ(s.backups, std::vector<std::string>{"2027-01-05"});
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

    BackupSystem failing;
    failing.hub.settings.WriteText(Setting::TaxBackup, "2026-11-01");
    // An update takes the backup program away between the test for it and its start.
    failing.p.shell.onStart = [&](const Started&) { failing.p.files.Delete(ProgramFile(failing.hub, "DATASAFE.EXE")); };
    EXPECT_FALSE(failing.Tick(HubTimer::Timer3));
    EXPECT_EQ(std::tuple(failing.hub.settings.ReadText(Setting::TaxBackup), failing.p.tray.balloons.size(), failing.hub.timer3Tag),
              std::tuple("2026-11-01", 1u, "1"));  // the tip once, not every 10 s for the rest of the window
}

// While the database folder cannot be reached no backup starts or counts as done, the user is told once, not
// at every tick; once the folder is back the next tick backs up.
TEST(AutoBackupTest, WaitsForAnUnreachableDatabaseFolder) {
    BackupSystem s;
    s.hub.LrDatabase = kShare;
    s.Put(std::string(kShare) + "DATEX.DAT", ConfiguredDatabase());
    DropShare(s.p, true);
    EXPECT_FALSE(s.RunFor(60));
    EXPECT_EQ(std::tuple(s.backups.size(), s.hub.settings.Exists(Setting::TaxBackup), s.p.tray.balloons.size()),
              std::tuple(0u, false, 1u));
    DropShare(s.p, false);
    EXPECT_FALSE(s.RunFor(10.5));
    EXPECT_EQ(s.backups, std::vector<std::string>{"2026-12-07"});
}

}  // namespace
}  // namespace kolvane
