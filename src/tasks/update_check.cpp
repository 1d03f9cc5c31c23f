#include "tasks/update_check.h"

namespace kolvane {

void WebUpdateCheck(Hub&) {}

int ConnectionCheck(Hub&) { return 0; }

}  // namespace kolvane
