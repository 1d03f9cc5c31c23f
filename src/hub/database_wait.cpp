#include "hub/database_wait.h"

namespace kolvane {

void ShowDatabaseWaitWindow(Hub&) {}

}  // namespace kolvane
