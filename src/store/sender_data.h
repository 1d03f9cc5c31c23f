#pragma once
#include "hub/hub.h"

namespace kolvane {

// The modal window with the association's sender and advice-centre data.
void ShowSenderData(Hub& hub);

}  // namespace kolvane
