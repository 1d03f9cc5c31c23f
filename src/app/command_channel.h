#pragma once
// The one text protocol between the programs of the suite: a command written into the hidden text box
// `Text1` of a program's main window. The hub obeys "$Ende$"; sending one is `SendCommand` of the hub.
#include <string>

#include "hub/hub.h"

namespace kolvane {

// The change event of `Text1`: runs only when a text really changed the box. Only the exact "$Ende$"
// (case and blanks matter) is a command.
void OnCommandText(Hub& hub, const std::string& text);
// The orderly end of the hub; never returns.
[[noreturn]] void RunCloseSequence(Hub& hub);

}  // namespace kolvane
