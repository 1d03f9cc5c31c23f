#pragma once
// The notification-area icon of the hub, as the parts that change it see it: its two pictures, its balloon.
#include <string>

#include "hub/hub.h"

namespace kolvane {

inline constexpr char kTrayTip[] = "Orvintal";

// The icon with its start picture.
void AddTrayIcon(Hub& hub);
// The start is complete: the icon shows its normal picture and a click opens the menu.
void ShowReadyIcon(Hub& hub);
void RemoveTrayIcon(Hub& hub);
// The title is cut to 63 and the text to 255 characters, as the icon record holds them.
void ShowTrayBalloon(Hub& hub, const std::string& title, const std::string& text, BalloonIcon icon);
// The task bar was created anew (the "TaskbarCreated" broadcast after an Explorer restart): without the
// icon the hub would be unreachable while its mutex keeps a new hub from starting.
void OnTaskbarCreated(Hub& hub);

}  // namespace kolvane
