#pragma once
// Which program each action of the hub starts, with which switches, and whether it first waits for the
// temporary contributions database; and the one entry point through which the menu runs an action.
#include <span>
#include <string_view>

#include "hub/hub.h"
#include "launcher/action_keys.h"
#include "launcher/menu_entries.h"

namespace kolvane {

struct ComponentRow;
using ActionHandler = void (*)(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen);

struct ComponentRow {
    ActionKey key;
    std::string_view program;   // in the component folder (or a system tool); empty for the hub's own windows
    std::string_view switches;  // appended to the quoted path as they stand
    bool guarded;               // waits for the temporary contributions database before anything else
    ActionHandler run;          // StandardLaunch of program and switches, or the action's own handler
};

// One row per action key except the document templates (`DocVorlage0` ... `DocVorlage9`).
std::span<const ComponentRow> ComponentTable();

// Runs the action of a chosen popup entry. The entry is handed down to the handler, which disables exactly
// that entry when its program is missing. Beenden does not return.
void RunAction(Hub& hub, ActionKey key, const MenuEntryRef& chosen);

}  // namespace kolvane
