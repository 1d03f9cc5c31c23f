#pragma once
// Timer2: tells the user when the folder of the tax-return cases (`Erklärungen`) cannot be reached.
#include "hub/hub.h"

namespace kolvane {

// One tick: a network folder that is unreachable gets a balloon and is watched on; one that is reachable
// ends the watch. A missing local folder gets one message and ends the watch.
void CaseFolderWatchTick(Hub& hub);

}  // namespace kolvane
