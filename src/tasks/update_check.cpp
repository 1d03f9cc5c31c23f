#include "tasks/update_check.h"

namespace kolvane {

void WebUpdateCheck(Hub&) {}

}  // namespace kolvane
