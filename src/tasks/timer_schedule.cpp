#include "tasks/timer_schedule.h"

namespace kolvane {

int TimerPeriodMs(HubTimer timer) {
    switch (timer) {
        case HubTimer::Timer1: return 8000;
        case HubTimer::Timer2: return 65000;
        case HubTimer::Timer3: return 10000;
        case HubTimer::Timer4: return 5000;
        case HubTimer::Timer5: return 33000;
    }
    return 0;
}

void OnTimer(Hub&, HubTimer) {}

}  // namespace kolvane
