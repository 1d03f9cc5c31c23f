#pragma once
// The ways the hub ends besides "$Ende$": the menu's exit command, the unload of its window, a resize.
#include "hub/hub.h"

namespace kolvane {

// "Beenden": makes the suite's components quit and ends the hub if nothing has ended it within the wait.
void ExitCommand(Hub& hub);
// The unload of the hub window (also on WM_CLOSE and at log-off): ends the program.
void UnloadHubWindow(Hub& hub);
// A resize of the hub window while it is visible.
void OnHubResize(Hub& hub);

}  // namespace kolvane
