#pragma once
// The restart rule after the options dialog: the popup menu is built once from the menu-layout settings, so
// a change of one of them restarts the hub, whose new instance builds the menu anew.
#include <array>
#include <cstdint>
#include <string>

#include "hub/hub.h"
#include "options/options_window.h"

namespace kolvane {

// `Steuererklärung`, `Explorer`, `Drucker`, `Dienststellen`, `Bibliothek`, `Beiträge` as read with their defaults.
using MenuLayoutValues = std::array<std::int32_t, 6>;

inline constexpr char kHubProgram[] = "KOLVANE.EXE";

MenuLayoutValues ReadMenuLayoutValues(Hub& hub);
// Hands over to a new hub: the window takes the caption by which the new one knows its predecessor is leaving,
// the program starts again and this hub closes. False, with the user told, when the start failed.
bool RestartHub(Hub& hub, const std::string& handOverCaption);
// Compared with the values before a change of settings: when they differ the hub hands over to a new
// instance of itself and closes. Should the new instance not start, this one stays and says so.
void RestartIfMenuLayoutChanged(Hub& hub, const MenuLayoutValues& before);
}  // namespace kolvane
