#pragma once
// The way the mouse events of the notification-area icon reach the hub, and the splash window `Startup`.
#include "hub/tray_icon.h"

namespace kolvane {

// The shell sends every event of the icon as this message to the window of `Symbol`, the mouse message
// that happened in lParam.
inline constexpr int kSymbolCallbackMessage = 512;
inline constexpr int kSymbolLeftPress = 513;
inline constexpr int kSymbolRightPress = 516;

void ShowSplash(Hub& hub);
void UnloadSplash(Hub& hub);
// An event of the icon, lParam as the shell sent it.
void OnSymbolMouse(Hub& hub, int lParam);

}  // namespace kolvane
