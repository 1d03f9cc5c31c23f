#pragma once
// The notification-area icon, the way its mouse events reach the hub, and the splash window `Startup`.
#include <string>

#include "hub/hub.h"

namespace kolvane {

inline constexpr char kTrayTip[] = "Orvintal";
// The shell sends every event of the icon as this message to the window of `Symbol`, the mouse message
// that happened in lParam.
inline constexpr int kSymbolCallbackMessage = 512;
inline constexpr int kSymbolLeftPress = 513;
inline constexpr int kSymbolRightPress = 516;

void ShowSplash(Hub& hub);
void UnloadSplash(Hub& hub);
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
// An event of the icon, lParam as the shell sent it.
void OnSymbolMouse(Hub& hub, int lParam);

}  // namespace kolvane
