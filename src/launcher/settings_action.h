#pragma once
// "Einstellungen ... ": the options dialog. The popup menu is built once from the menu-layout settings, so
// a change of one of them restarts the hub, whose new instance builds the menu anew.
#include <array>
#include <cstdint>

#include "hub/hub.h"

namespace kolvane {

// `Steuererklärung`, `Explorer`, `Drucker`, `Dienststellen`, `Bibliothek`, `Beiträge` as read with their defaults.
using MenuLayoutValues = std::array<std::int32_t, 6>;

MenuLayoutValues ReadMenuLayoutValues(Hub& hub);
// Compared with the values before a change of settings: when they differ the hub hands over to a new
// instance of itself and closes. Should the new instance not start, this one stays and says so.
void RestartIfMenuLayoutChanged(Hub& hub, const MenuLayoutValues& before);
// The options dialog followed by the restart rule.
void RunSettingsAction(Hub& hub);

}  // namespace kolvane
