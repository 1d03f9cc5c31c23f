#pragma once
// The installation's system components, pack files, template component and folder contents.
#include "hub/hub.h"

namespace kolvane {

// Checks the four system components in their order; a missing one ends the process after its message.
// Then makes sure the menu library is registered.
void CheckSystemComponents(Hub& hub);
// Pack files, the template component and the folder contents, in this order.
void CheckInstallation(Hub& hub);

}  // namespace kolvane
