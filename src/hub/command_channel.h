#pragma once
// Commands other programs of the suite (and the hub itself) write into the command box `Text1`.
#include "hub/hub.h"

namespace kolvane {

// The change event of `Text1`: runs only when a text really changed the box.
void OnCommandText(Hub& hub, const std::string& text);
// The orderly end of the hub.
void RunCloseSequence(Hub& hub);

}  // namespace kolvane
