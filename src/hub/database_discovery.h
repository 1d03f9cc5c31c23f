#pragma once
// Where the member database lies, and what the start does when it is missing or new.
#include "hub/hub.h"

namespace kolvane {

inline constexpr char kDefaultDatabaseFolder[] = "C:\\Documents\\";

// Sets `LrDatabase` from the setting `Database`.
void GetDatabase(Hub& hub);
// The restore prompt when DATEX.DAT is missing, the daily backup rotation when it exists.
void RestoreOrRotateDatabase(Hub& hub);
// Runs the first-start assistant when the database holds no configuration yet; true when it closed the hub.
bool RunFirstStartAssistantIfNew(Hub& hub);

}  // namespace kolvane
