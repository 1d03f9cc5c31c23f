#pragma once
// The five timers of the hub window: their periods and what each tick does.
#include "hub/hub.h"

namespace kolvane {

// Milliseconds between two ticks of the timer.
int TimerPeriodMs(HubTimer timer);
// One tick of the timer; runs only while the timer is switched on, and never inside a tick of the same
// timer (a tick that waits lets window messages run, among them the timer's own next tick).
void OnTimer(Hub& hub, HubTimer timer);

}  // namespace kolvane
