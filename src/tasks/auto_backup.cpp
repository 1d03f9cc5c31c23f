#include "tasks/auto_backup.h"

#include <chrono>
#include <cstdio>

#include "hub/tray_symbol.h"
#include "tasks/tick_events.h"

namespace kolvane {
namespace {

struct BackupWindow {
    std::int32_t autoTaxTime;
    int firstHour;
    int lastHour;
};
constexpr BackupWindow kBackupWindows[] = {
    {0, 10, 11},
    {1, 13, 14},
    {2, 18, 19},
};

constexpr char kBackupFailedTitle[] = "Orvintal";
constexpr char kBackupFailedText[] =
    "Die automatische Datensicherung konnte nicht gestartet werden. Bitte führen Sie die Datensicherung "
    "von Hand durch.";

std::string IsoDate(const DateTime& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year % 10000, t.month % 100, t.day % 100);
    return text;
}

// The number written by the digits text[from, from + count), or -1 when one of them is no digit.
int Digits(const std::string& text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool CloseRequested(Hub& hub) {
    std::int32_t nowClose = 0;
    return hub.settings.Get(Setting::NowClose, nowClose) && nowClose == 1;
}

// A backup is due when none is recorded, the record is unreadable or lies ahead of today (a clock that ran
// ahead once would otherwise stop every backup until that day), or 8 days have passed.
bool BackupDue(Hub& hub, const DateTime& today) {
    std::string last;
    if (!hub.settings.Get(Setting::TaxBackup, last)) return true;
    const std::optional<int> days = DaysSince(last, today);
    return !days || *days < 0 || *days >= kBackupIntervalDays;
}

// The date is recorded before the backup program starts, as the suite's programs expect it; a start that
// fails puts the previous record back, so that the next run of the hub tries again.
void StartBackup(Hub& hub, const DateTime& today) {
    std::string previous;
    const bool hadPrevious = hub.settings.Get(Setting::TaxBackup, previous);
    hub.settings.WriteText(Setting::TaxBackup, IsoDate(today));
    hub.timer3Tag = "1";
    StartComponent(hub, "HINTFEED.EXE", " /b", ShowState::Normal);
    LetEventsRun(hub);
    if (!StartComponent(hub, "DATASAFE.EXE", " /auto", ShowState::Normal)) {
        if (hadPrevious) hub.settings.WriteText(Setting::TaxBackup, previous);
        else hub.settings.Delete(Setting::TaxBackup);
        ShowTrayBalloon(hub, kBackupFailedTitle, kBackupFailedText, BalloonIcon::Warning);
    }
    LetEventsRun(hub);
}

void AutomaticBackup(Hub& hub) {
    const DateTime now = hub.os.clock.Now();
    if (!InBackupWindow(hub.settings.ReadInt(Setting::AutoTaxTime), now.hour)) return;
    if (hub.settings.ReadInt(Setting::AutoTaxBackup) != 1) return;
    if (!BackupDue(hub, now)) {
        hub.timer3Tag = "1";
        return;
    }
    // Without the backup program the question stays open and the next tick asks again.
    if (ProgramFileExists(hub, "DATASAFE.EXE")) StartBackup(hub, now);
}

}  // namespace

bool InBackupWindow(std::int32_t autoTaxTime, int hour) {
    for (const BackupWindow& window : kBackupWindows)
        if (window.autoTaxTime == autoTaxTime) return hour >= window.firstHour && hour <= window.lastHour;
    return false;
}

std::optional<int> DaysSince(const std::string& date, const DateTime& today) {
    using namespace std::chrono;
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return std::nullopt;
    const int y = Digits(date, 0, 4), m = Digits(date, 5, 2), d = Digits(date, 8, 2);
    if (y < 0 || m < 0 || d < 0) return std::nullopt;
    const year_month_day last{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (!last.ok()) return std::nullopt;
    const year_month_day now{year{today.year}, month{static_cast<unsigned>(today.month)},
                             day{static_cast<unsigned>(today.day)}};
    return static_cast<int>((sys_days{now} - sys_days{last}).count());
}

void CloseRequestAndBackupTick(Hub& hub) {
    if (CloseRequested(hub)) {
        EnableTimer(hub, HubTimer::Timer2, false);
        CloseHub(hub);
        return;
    }
    if (hub.timer3Tag == "0") AutomaticBackup(hub);
}

}  // namespace kolvane
