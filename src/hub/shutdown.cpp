#include "hub/shutdown.h"

#include "hub/tray_symbol.h"

namespace kolvane {

void ExitCommand(Hub& hub) { UnloadHubWindow(hub); }

void UnloadHubWindow(Hub& hub) {
    RemoveTrayIcon(hub);
    hub.mutex.reset();
    hub.os.kernel.Terminate();
}

void OnHubResize(Hub&) {}

}  // namespace kolvane
