#include "tasks/silent_update.h"

#include "tasks/update_check.h"

namespace kolvane {

void SilentUpdateTick(Hub& hub) {
    // Online through the LAN as well as through a dial-up connection.
    if (!ConnectionCheck(hub)) return;
    const std::string manager = InstalledUpdateManager(hub);
    if (!manager.empty()) StartComponent(hub, manager, " /s", ShowState::Normal);
    EnableTimer(hub, HubTimer::Timer1, false);
}

}  // namespace kolvane
