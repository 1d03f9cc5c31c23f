#pragma once
// The wait in front of the components that read the temporary contributions database DATEX.IHP: it is
// built in the database folder by the picture-help component and by the contributions component, and a
// component started while it is being built would read half a database.
#include "hub/hub.h"

namespace kolvane {

// Waits, one pass a second and at most three minutes, until DATEX.IHP is present in the database folder and
// no builder window is open, telling the user through hint messages; then keeps a local copy of it in the
// component folder. Returns when done or timed out: the launch goes on either way. Window messages run
// during the wait, so a second choice from the menu may start a second wait inside this one.
void CheckTmpDatabase(Hub& hub);

}  // namespace kolvane
