#include "tasks/timer_schedule.h"

#include "hub/flag_scope.h"
#include "tasks/auto_backup.h"
#include "tasks/case_folder_watch.h"
#include "tasks/exit_request.h"
#include "tasks/silent_update.h"
#include "tasks/start_completion.h"

namespace kolvane {
namespace {

struct TimerEntry {
    HubTimer timer;
    int periodMs;
    void (*tick)(Hub&);  // cppcheck-suppress unusedStructMember ; called in OnTimer
};
constexpr TimerEntry kTimers[] = {
    {HubTimer::Timer1, 8000, SilentUpdateTick},
    {HubTimer::Timer2, 65000, CaseFolderWatchTick},
    {HubTimer::Timer3, 10000, CloseRequestAndBackupTick},
    {HubTimer::Timer4, 5000, CompleteStartTick},
    {HubTimer::Timer5, 33000, ExitRequestTick},
};

const TimerEntry& EntryOf(HubTimer timer) {
    for (const TimerEntry& entry : kTimers)
        if (entry.timer == timer) return entry;
    return kTimers[0];  // every HubTimer has its entry
}

}  // namespace

int TimerPeriodMs(HubTimer timer) { return EntryOf(timer).periodMs; }

void OnTimer(Hub& hub, HubTimer timer) {
    if (!TimerEnabled(hub, timer)) return;
    const ReentryGuard running(hub.tickRunning[static_cast<int>(timer)]);
    if (running.Entered()) EntryOf(timer).tick(hub);
}

}  // namespace kolvane
