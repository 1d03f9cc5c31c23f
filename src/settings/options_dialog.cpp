#include "settings/options_dialog.h"

namespace kolvane {

void ShowOptionsDialog(Hub&) {}

}  // namespace kolvane
