#pragma once
#include "platform/clock.h"

namespace kolvane {

// Waits the given seconds on the seconds-since-midnight clock while pumping window messages, so that
// timers and commands run meanwhile. When the clock falls below the start value (midnight), the start
// value moves back by a day. Every wait of the program goes through here.
void Wait(Clock& clock, double seconds);

}  // namespace kolvane
