#pragma once
// How the menu starts a component program of its folder.
#include <string>
#include <string_view>

#include "hub/hub.h"
#include "launcher/menu_entries.h"

namespace kolvane {

// The quoted full path of a program of the component folder followed by its switches exactly as they stand:
// a switch that needs a separating blank carries it itself (" /a"), the others follow the quote ("/2").
std::string ComponentCommandLine(const Hub& hub, std::string_view program, std::string_view switches);

// Starts the program in a normal window when it exists; when it is missing the chosen entry is disabled,
// without a message. True when it was started.
bool StandardLaunch(Hub& hub, std::string_view program, std::string_view switches, const MenuEntryRef& chosen);

// Starts the program without looking for it first; a failed start goes unnoticed, as for the mail
// contacts, whose program is a library the system starts all the same.
void StartUnchecked(Hub& hub, std::string_view program, std::string_view switches);

}  // namespace kolvane
