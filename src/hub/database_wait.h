#pragma once
// The modal window shown while a network database cannot be reached; it answers through the hub tag.
#include "hub/hub.h"

namespace kolvane {

void ShowDatabaseWaitWindow(Hub& hub);

}  // namespace kolvane
