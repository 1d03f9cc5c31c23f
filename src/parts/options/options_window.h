#pragma once
// The one way other parts open the options window `Optionen`.
#include "hub/hub.h"

namespace kolvane {

// "Einstellungen ... ": the options dialog followed by the restart rule: the popup menu is built once from the
// menu-layout settings, so a change of one of them restarts the hub, whose new instance builds the menu anew.
void RunSettingsAction(Hub& hub);

}  // namespace kolvane
