#pragma once
#include "hub/hub.h"

namespace kolvane {

// Marks every component program to run with administrator rights, once: existing marks are never changed.
void AdminRechte(Hub& hub);

}  // namespace kolvane
