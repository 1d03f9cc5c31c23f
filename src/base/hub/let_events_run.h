#pragma once
// What the long operations and the timer ticks of every part share: letting pending window messages run, and
// the short pause after a start.
#include "hub/hub.h"

namespace kolvane {

// Short enough that no timer's period passes within it, so a tick never waits into its own next tick.
inline constexpr double kBriefWaitSeconds = 1.0;

// Dispatches the window messages that are pending now, without waiting for more.
inline void LetEventsRun(Hub& hub) { hub.os.clock.Pump(0); }

}  // namespace kolvane
