#include "tasks/deadline_watch.h"

namespace kolvane {

void Fristenchecker(Hub&, DeadlineCheckCaller) {}

void SetUpDeadlineWatch(Hub&) {}

}  // namespace kolvane
