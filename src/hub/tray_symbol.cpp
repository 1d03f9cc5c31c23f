#include "hub/tray_symbol.h"

namespace kolvane {

void ShowSplash(Hub&) {}

void UnloadSplash(Hub&) {}

void AddTrayIcon(Hub&) {}

}  // namespace kolvane
