#pragma once
#include "hub/hub.h"

namespace kolvane {

// Replaces a waiting update manager, reminds of updates and hands the update over once a day.
void WebUpdateCheck(Hub& hub);

}  // namespace kolvane
