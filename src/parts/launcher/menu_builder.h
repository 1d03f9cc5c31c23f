#pragma once
// The construction of the popup menu from the menu-layout settings, the document templates of VORLAGEN.DAT,
// the mail contacts of KONTAKTE.DAT and the installed printers. It runs once per hub run: a changed layout
// takes effect when the hub restarts.
#include <array>
#include <string>

#include "hub/hub.h"
#include "launcher/popup_menu.h"

namespace kolvane {

// The menu switches, read at start with their defaults.
struct MenuLayout {
    int Steuererklaerung = 1;
    int Explorer = 1;
    int Drucker = 0;
    int Dienststellen = 1;
    int Bibliothek = 1;
    int Beitraege = 1;
    int Versetzung = 0;
};

inline constexpr int kMaxPrinters = 9;
inline constexpr char kNoPrinterCaption[] = "kein Drucker";

// The printer entries `mnuDruck` of the hub window's own menu, which is never shown: position p (1 to 9) names
// the system's p-th printer; the check mark sits on the default printer once the user has chosen one.
struct FormPrinter {
    std::string caption;
    bool checked = false;
};
struct FormPrinters {
    std::array<FormPrinter, kMaxPrinters> entries;
    FormPrinter& At(int position) { return entries[static_cast<std::size_t>(position - 1)]; }
};

// The key of the popup entry of the printer at this position (1 to 9). No action has a key of this form, so
// that a printer named like an action ("Beenden") only ever chooses that printer.
std::string PrinterEntryKey(int position);

// Clears the popup and adds every entry in the order the hub shows them. Writes `ShowNoContacts` = 0 where the
// mail contacts are shown in its place.
void BuildPopup(Hub& hub, const MenuLayout& layout, PopupMenu& popup, FormPrinters& printers);

}  // namespace kolvane
