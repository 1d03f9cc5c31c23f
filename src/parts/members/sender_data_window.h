#pragma once
// The one way other parts open the window of the sender and advice-centre data `Absender`.
#include "hub/hub.h"

namespace kolvane {

// Opens the window from the menu or the start, when the program has a view for it; a second opening brings
// the open window to the front, so that no two windows edit the same data.
void ShowSenderData(Hub& hub);

}  // namespace kolvane
