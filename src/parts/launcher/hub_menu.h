#pragma once
// The popup menu of the hub icon: built once at start, opened by a press on the icon behind the access
// password, and the windows it opens.
#include <string>

#include "hub/hub.h"
#include "launcher/menu_builder.h"
#include "launcher/menu_views.h"
#include "launcher/popup_menu.h"

namespace kolvane {

class AboutView;

inline constexpr char kContributionsAdministration[] = "Beitragsverwaltung";
inline constexpr char kContributionsPayments[] = "Beitragszahlungen";

struct HubMenu {
    PopupMenu popup;
    FormPrinters printers;
    std::string tItemNr;  // the number of the entry chosen last
    bool opening = false;  // a press is passing the password or the popup is open
    // The caption of the hub window's own contributions entry: it chooses the contributions program, and
    // `Pelmondo` changes it only when it holds 1 or 0.
    std::string mnuBeitragskonten = std::string(kContributionsAdministration);
    // The windows, provided by the Win32 program or a test; a missing one is simply not shown.
    PopupView* popupView = nullptr;
    PrinterDialog* printerDialog = nullptr;
    AboutView* aboutView = nullptr;
};

// Makes the menu the hub's menu for as long as this object lives. The hub's state has no place of its own
// for it, so the menu of each hub is looked up here.
class MenuAttachment {
public:
    MenuAttachment(const Hub& hub, HubMenu& menu);
    ~MenuAttachment();
    MenuAttachment(const MenuAttachment&) = delete;
    MenuAttachment& operator=(const MenuAttachment&) = delete;

private:
    const Hub& hub_;
};

// The hub's menu; null while none is attached (then the menu does nothing).
HubMenu* MenuOf(const Hub& hub);

MenuLayout ReadMenuLayout(const Hub& hub);
void BuildMenu(Hub& hub, const MenuLayout& layout);
// The hub window's own menu is never shown: hiding one of its entries changes nothing the user sees.
void HideMenuEntry(Hub& hub, const std::string& entry);

// A press on the icon of a hub whose start is complete. The right button opens the menu; the left one opens
// it too, or with `Maustaste` 1 to 8 runs that quick action instead; both only behind the access password.
void ShowHubMenu(Hub& hub, bool leftButton);

// `Kennwörter` without the menu: the access password when needed, then the hub window in front (so that the
// popup closes when the user clicks elsewhere). False when the user may not go on.
bool Kennwoerter(Hub& hub);
// `Menüanzeige`: shows the popup and returns the chosen entry's number, or 0.
int Menueanzeige(Hub& hub, HubMenu& menu);

}  // namespace kolvane
