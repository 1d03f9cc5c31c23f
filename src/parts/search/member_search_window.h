#pragma once
// The one way other parts open the member search window.
#include "hub/hub.h"

namespace kolvane {

// Opens the member search window; nothing when the program has no window for it. One search window at a
// time: a second opening brings the open one to the front.
void ShowMemberSearch(Hub& hub);

}  // namespace kolvane
