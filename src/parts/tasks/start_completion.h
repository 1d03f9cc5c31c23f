#pragma once
// Timer4: completes the start once the components' temporary index is ready.
#include "hub/hub.h"

namespace kolvane {

enum class StartWait {
    Ready = 0,    // nothing to wait for: the start completes
    Busy = 1,     // a component builds or holds the index, or the index is switched off
    NoIndex = 2,  // the index file is missing
};

// The wait rules, in their order; a later rule overrides an earlier one.
StartWait ComputeStartWait(Hub& hub);
// One tick: either completes the start (start component, Timer2 and Timer3 on, ready icon, menu open) or keeps
// waiting with a tip, starting the index builder where it is missing.
void CompleteStartTick(Hub& hub);

}  // namespace kolvane
