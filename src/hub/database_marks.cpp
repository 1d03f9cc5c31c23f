#include "hub/database_marks.h"

namespace kolvane {

void MarkDatabaseLoaded(Hub&) {}

void ReadMemberRanges(Hub&) {}

void MarkImportUnused(Hub&) {}

}  // namespace kolvane
