#pragma once
// Whether the database folder can be reached, and the one message that says it cannot. A share that drops out
// or a network drive that is not connected looks like an empty folder to every read: a step that went on
// would show nothing, store nothing or take the missing database for one to be made anew.
#include <string>
#include <string_view>

#include "hub/hub.h"

namespace kolvane {

// A share that does not answer, or a drive letter that names no drive.
bool DatabaseFolderUnreachable(Hub& hub);
// "Der Datenbankordner ... ist nicht erreichbar.", followed on its own line by what becomes of the step.
std::string DatabaseFolderUnreachableText(const Hub& hub, std::string_view consequence);
inline constexpr char kCheckConnection[] = "Bitte prüfen Sie die Verbindung zum Server oder zum Netzlaufwerk";

// For a step on the database while the hub runs: false, once the user has been told, when the folder cannot
// be reached. The step then touches nothing, and works again as soon as the folder is back.
bool DatabaseFolderAtHand(Hub& hub);

}  // namespace kolvane
