#include "hub/installation_check.h"

namespace kolvane {

void CheckSystemComponents(Hub&) {}

void CheckInstallation(Hub&) {}

}  // namespace kolvane
