#pragma once
// The five timers of the hub window: their periods and what each tick does.
#include "hub/hub.h"

namespace kolvane {

// Milliseconds between two ticks of the timer.
int TimerPeriodMs(HubTimer timer);
// One tick of the timer; runs only while the timer is switched on.
void OnTimer(Hub& hub, HubTimer timer);

}  // namespace kolvane
