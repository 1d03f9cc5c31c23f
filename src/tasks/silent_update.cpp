#include "tasks/silent_update.h"

#include "tasks/update_check.h"

namespace kolvane {

void SilentUpdateTick(Hub& hub) {
    if (ConnectionCheck(hub) != 1) return;
    // The newer manager carries a library's extension but is a program; the older one is the fallback.
    const char* manager = ProgramFileExists(hub, "UPDCTRL.DLL") ? "UPDCTRL.DLL" : "UPDCTRL.EXE";
    StartComponent(hub, manager, " /s", ShowState::Normal);
    EnableTimer(hub, HubTimer::Timer1, false);
}

}  // namespace kolvane
