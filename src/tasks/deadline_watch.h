#pragma once
#include "hub/hub.h"

namespace kolvane {

// Starts the deadline component when its check is due.
void Fristenchecker(Hub& hub);

}  // namespace kolvane
