#include "tasks/deadline_watch.h"

namespace kolvane {

void Fristenchecker(Hub&) {}

}  // namespace kolvane
