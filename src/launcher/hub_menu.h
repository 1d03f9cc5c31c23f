#pragma once
// The popup menu of the hub icon.
#include "hub/hub.h"

namespace kolvane {

// The menu-layout switches read at start.
struct MenuLayout {
    int Steuererklaerung = 1;
    int Explorer = 1;
    int Drucker = 0;
    int Dienststellen = 1;
    int Bibliothek = 1;
    int Beitraege = 1;
    int Versetzung = 0;
};

MenuLayout ReadMenuLayout(Hub& hub);
void BuildMenu(Hub& hub, const MenuLayout& layout);
void HideMenuEntry(Hub& hub, const std::string& entry);
// A press on the icon of a hub whose start is complete: the button decides which menu opens.
void ShowHubMenu(Hub& hub, bool leftButton);

}  // namespace kolvane
