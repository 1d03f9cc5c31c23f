#pragma once
// The ways the hub ends besides "$Ende$": the menu's exit command, the unload of its window, a resize.
#include "hub/hub.h"

namespace kolvane {

// "Beenden": makes the suite's components quit and ends the hub if nothing has ended it within the wait.
[[noreturn]] void ExitCommand(Hub& hub);
// The unload of the hub window (also on WM_CLOSE and at log-off): ends the program.
[[noreturn]] void UnloadHubWindow(Hub& hub);
// A resize of the hub window: a hub that has become visible ends at once; a hidden one does nothing.
void OnHubResize(Hub& hub, bool visible);
// Takes this workstation out of the database's workstation list DATEX.PCN; every other byte of the file
// stays as it was.
void RemoveWorkstation(Hub& hub);
// The end of the process with exit code 0 once the tray icon is gone: the mutex is given back first, so
// that a new hub can start at once.
[[noreturn]] void EndProgram(Hub& hub);
// The start-up's own end where it finds that it must not run: at once, without the close sequence.
[[noreturn]] void EndStart(Hub& hub, const std::string& why);

}  // namespace kolvane
