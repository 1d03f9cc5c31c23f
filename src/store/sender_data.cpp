#include "store/sender_data.h"

namespace kolvane {

void ShowSenderData(Hub&) {}

}  // namespace kolvane
