#include "hub/tray_symbol.h"

namespace kolvane {

void ShowSplash(Hub&) {}

void UnloadSplash(Hub&) {}

void AddTrayIcon(Hub&) {}

void ShowReadyIcon(Hub&) {}

void RemoveTrayIcon(Hub& hub) { hub.os.tray.Remove(); }

void ShowTrayBalloon(Hub&, const std::string&, const std::string&, BalloonIcon) {}

}  // namespace kolvane
