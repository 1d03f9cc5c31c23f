#include "tasks/auto_backup.h"

#include "hub/database_folder.h"
#include "hub/tray_icon.h"
#include "platform/dates.h"
#include "hub/let_events_run.h"

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

constexpr char kBackupPostponed[] =
    "Die automatische Datensicherung wird nachgeholt, sobald der Ordner wieder erreichbar ist.";

bool CloseRequested(Hub& hub) {
    std::int32_t nowClose = 0;
    return hub.settings.Get(Setting::NowClose, nowClose) && nowClose == 1;
}

// A backup is due when none is recorded, the record is unreadable or lies ahead of today (a clock that ran
// ahead once would otherwise stop every backup until that day), or 8 days have passed.
bool BackupDue(Hub& hub, const DateTime& today) {
    std::string last;
    if (!hub.settings.Get(Setting::TaxBackup, last)) return true;
    const std::optional<DateTime> lastDate = ReadIsoDate(last);
    if (!lastDate) return true;
    const int days = DaysBetween(*lastDate, today);
    return days < 0 || days >= kBackupIntervalDays;
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

// A backup of a folder that is gone would save nothing and yet count as the week's backup. The user is told
// once, not at every tick, until the folder is back.
bool BackupFolderAtHand(Hub& hub) {
    const bool unreachable = DatabaseFolderUnreachable(hub);
    if (unreachable && !hub.backupFolderMissed)
        ShowTrayBalloon(hub, kBackupFailedTitle, DatabaseFolderUnreachableText(hub, kBackupPostponed), BalloonIcon::Warning);
    hub.backupFolderMissed = unreachable;
    return !unreachable;
}

void AutomaticBackup(Hub& hub) {
    const DateTime now = hub.os.clock.Now();
    if (!InBackupWindow(hub.settings.ReadInt(Setting::AutoTaxTime), now.hour)) return;
    if (hub.settings.ReadInt(Setting::AutoTaxBackup) != 1) return;
    if (!BackupDue(hub, now)) {
        hub.timer3Tag = "1";
        return;
    }
    // Without the backup program, or while the database folder cannot be reached, the question stays open
    // and the next tick asks again.
    if (!ProgramFileExists(hub, "DATASAFE.EXE") || !BackupFolderAtHand(hub)) return;
    StartBackup(hub, now);
}

}  // namespace

bool InBackupWindow(std::int32_t autoTaxTime, int hour) {
    for (const BackupWindow& window : kBackupWindows)
        if (window.autoTaxTime == autoTaxTime) return hour >= window.firstHour && hour <= window.lastHour;
    return false;
}

void CloseRequestAndBackupTick(Hub& hub) {
    if (CloseRequested(hub)) {
        EnableTimer(hub, HubTimer::Timer2, false);
        CloseHub(hub, "Registry (NowClose = 1)");
        return;
    }
    if (hub.timer3Tag == "0") AutomaticBackup(hub);
}

}  // namespace kolvane
