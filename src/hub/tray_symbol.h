#pragma once
// The splash window `Startup` and the notification-area icon.
#include "hub/hub.h"

namespace kolvane {

void ShowSplash(Hub& hub);
void UnloadSplash(Hub& hub);
void AddTrayIcon(Hub& hub);

}  // namespace kolvane
