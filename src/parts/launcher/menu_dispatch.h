#pragma once
// What a chosen popup entry does. An entry is known by its number and runs the action of its own key, never
// one found through its caption; a printer entry chooses its printer.
#include "hub/hub.h"
#include "launcher/hub_menu.h"

namespace kolvane {

inline constexpr char kPrinterDialogTitle[] = " Druckerauswahl ...";

// `cP_Click`: remembers the entry in `tItemNr`, runs the action whose key the entry carries and, for a printer
// entry, the printer choice. Does nothing while the access prompt is open.
void cP_Click(Hub& hub, HubMenu& menu, int itemNr);

// `Maustaste` 1 to 8: the action of the entry with that quick action's key, as if it had been chosen from the
// popup; nothing when the menu has no such entry (the contributions entry switched off) or for other values.
void RunQuickAction(Hub& hub, HubMenu& menu, int maustaste);

// The printer of position 1 to 9 through the system's dialog, which makes it the default printer; the check
// mark moves to the default printer's entries.
void ChoosePrinter(HubMenu& menu, int position);

}  // namespace kolvane
