#pragma once
// The start's entries in the member database: the load marker, the member number ranges and the
// import marker.
#include "hub/hub.h"

namespace kolvane {

void MarkDatabaseLoaded(Hub& hub);
void ReadMemberRanges(Hub& hub);
void MarkImportUnused(Hub& hub);

}  // namespace kolvane
