#pragma once
// The one way other parts open the window of the member number ranges `Lizenzierung`.
#include "hub/hub.h"

namespace kolvane {

// The options tools' "Nummernkreis festlegen ": the window, when the program has a view for it; a second
// opening brings the open window to the front. False when it did not open: no view, or the database folder
// cannot be reached (the user has been told).
bool ShowMemberRanges(Hub& hub);

}  // namespace kolvane
