#pragma once
#include "hub/hub.h"

namespace kolvane {

// The load of the hub window: decides whether this process may run at all, prepares the settings, the
// program folder and the member database, builds the menu, shows the icon and arms the timers.
// Returns when the hub runs; the exits end the process through the kernel or close the hub.
void RunStartup(Hub& hub);

}  // namespace kolvane
