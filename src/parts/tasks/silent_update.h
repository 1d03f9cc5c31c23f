#pragma once
// Timer1: hands the update over to the update manager, silently, once a connection is there.
#include "hub/hub.h"

namespace kolvane {

void SilentUpdateTick(Hub& hub);

}  // namespace kolvane
