#pragma once
#include "hub/hub.h"

namespace kolvane {

// Replaces a waiting update manager, reminds of updates and hands the update over once a day.
void WebUpdateCheck(Hub& hub);
// Whether the silent update may hand over now: 1 when a connection is up and the update is due, else 0.
int ConnectionCheck(Hub& hub);

}  // namespace kolvane
