#pragma once
// Where the member database lies, and what the start does when it is missing or new. The backups are in
// database_backup.cpp, the first use of a database in first_start.cpp.
#include "hub/hub.h"

namespace kolvane {

inline constexpr char kDefaultDatabaseFolder[] = "C:\\Documents\\";

// Sets `LrDatabase` from the setting `Database`.
void GetDatabase(Hub& hub);
// The restore prompt when DATEX.DAT is missing, the daily backup rotation when it exists.
void RestoreOrRotateDatabase(Hub& hub);
// At the end of the start: when A1 reads empty, either runs the first-start assistant or, for a database
// that exists but cannot be read or a network folder that cannot be reached, tells the user and leaves
// everything as it is. Either way the hub closes; true then.
bool RunFirstStartAssistantIfNew(Hub& hub);

}  // namespace kolvane
