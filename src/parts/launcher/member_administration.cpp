#include "launcher/launch.h"
#include "launcher/special_launches.h"
#include "tasks/deadline_watch.h"

namespace kolvane {

// The deadline watch runs its check when the member administration opens (`Start` = 2 in FRISTEN.DAT); its
// first opening sets that up.
void LaunchMemberAdministration(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    StandardLaunch(hub, row.program, row.switches, chosen);
    SetUpDeadlineWatch(hub);
    Fristenchecker(hub, DeadlineCheckCaller::MemberAdministration);
}

}  // namespace kolvane
