#pragma once
// The window `Datenbank` on screen: a modal dialog owned by the task-bar stand-in `TraySymbol`.
#include <windows.h>

#include <memory>

#include "app/database_wait.h"

namespace kolvane {

std::unique_ptr<DatabaseWaitView> MakeDatabaseWaitView(HINSTANCE instance);

}  // namespace kolvane
