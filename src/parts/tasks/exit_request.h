#pragma once
// Timer5: another program asks the whole suite to end by leaving `EXIT.SUB` in the database folder.
#include "hub/hub.h"

namespace kolvane {

// One tick: without `EXIT.SUB` nothing; with it, the help topic it names, the icon removed, the close-all
// component started and the hub ended.
void ExitRequestTick(Hub& hub);

}  // namespace kolvane
