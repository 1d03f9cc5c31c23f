#include "tasks/timer_schedule.h"

#include <set>
#include <utility>

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
    void (*tick)(Hub&);
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

// The ticks running now, of any hub of the process; one thread, so a plain set is enough.
class RunningTick {
public:
    RunningTick(const Hub& hub, HubTimer timer) : key_(&hub, timer), entered_(Running().insert(key_).second) {}
    ~RunningTick() {
        if (entered_) Running().erase(key_);
    }
    RunningTick(const RunningTick&) = delete;
    RunningTick& operator=(const RunningTick&) = delete;
    // False when a tick of the same timer is running already.
    bool Entered() const { return entered_; }

private:
    using Key = std::pair<const Hub*, HubTimer>;
    static std::set<Key>& Running() {
        static std::set<Key> running;
        return running;
    }
    Key key_;
    bool entered_;
};

}  // namespace

int TimerPeriodMs(HubTimer timer) { return EntryOf(timer).periodMs; }

void OnTimer(Hub& hub, HubTimer timer) {
    if (!TimerEnabled(hub, timer)) return;
    RunningTick running(hub, timer);
    if (running.Entered()) EntryOf(timer).tick(hub);
}

}  // namespace kolvane
