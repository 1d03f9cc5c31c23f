#pragma once
// The one way other parts open the window of the member number ranges `Lizenzierung`.
#include "hub/hub.h"

namespace kolvane {

// The options tools' "Nummernkreis festlegen ": the window, when the program has a view for it; a second
// opening brings the open window to the front.
void ShowMemberRanges(Hub& hub);

}  // namespace kolvane
