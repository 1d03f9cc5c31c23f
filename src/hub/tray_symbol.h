#pragma once
// The splash window `Startup` and the notification-area icon.
#include <string>

#include "hub/hub.h"

namespace kolvane {

void ShowSplash(Hub& hub);
void UnloadSplash(Hub& hub);
void AddTrayIcon(Hub& hub);
// The start is complete: the icon shows its normal picture.
void ShowReadyIcon(Hub& hub);
void RemoveTrayIcon(Hub& hub);
void ShowTrayBalloon(Hub& hub, const std::string& title, const std::string& text, BalloonIcon icon);

}  // namespace kolvane
