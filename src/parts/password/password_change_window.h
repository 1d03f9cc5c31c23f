#pragma once
// The one way other parts open the change dialog of the access password `Kennwort`.
#include "hub/hub.h"

namespace kolvane {

// The options dialog's "Zugriffsberechtigungen ": the change dialog of the access password, behind the prompt
// when a password is set. Nothing while the prompt is open or when the program has no window for it.
void OpenPasswordChange(Hub& hub);

}  // namespace kolvane
