#pragma once
#include "hub/hub.h"

namespace kolvane {

// Who asks for the deadline check: `FRISTEN.DAT` says for which of them the check runs.
enum class DeadlineCheckCaller { StartUp = 1, MemberAdministration = 2 };

// Starts the deadline component when its check is due.
void Fristenchecker(Hub& hub, DeadlineCheckCaller caller = DeadlineCheckCaller::StartUp);
// The member administration's opening, until the deadline component is set up (its setting is there and its
// start file has `Start`): writes the start file and starts the component with " /auto", or tells the user
// that it is missing.
void SetUpDeadlineWatch(Hub& hub);

}  // namespace kolvane
