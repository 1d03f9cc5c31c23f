#pragma once
#include "hub/hub.h"

namespace kolvane {

// The modal options dialog; returns once the user has closed it.
void ShowOptionsDialog(Hub& hub);

}  // namespace kolvane
