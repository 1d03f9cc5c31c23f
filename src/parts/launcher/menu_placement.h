#pragma once
// Where the popup menu opens: beside the notification-area icon, on the side of it that faces the middle of
// the screen, so that it opens upwards from a task bar at the bottom, downwards from one at the top and
// sideways from one at the left or right, and never covers the icon itself.
#include "platform/windows.h"

namespace kolvane {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct MenuPlacement {
    ScreenPoint at;
    bool rightAligned = false;   // the menu's right edge at `at`, else its left edge
    bool bottomAligned = false;  // the menu's bottom edge at `at`, else its top edge
    ScreenRect exclude;          // kept clear of the menu: the icon
    friend bool operator==(const MenuPlacement&, const MenuPlacement&) = default;
};

// The icon that was pressed: it lies under the mouse pointer, in the size of a small icon.
ScreenRect IconUnderPointer(ScreenPoint pointer, int iconWidth, int iconHeight);

MenuPlacement PlaceMenu(const ScreenRect& screen, const ScreenRect& icon);

}  // namespace kolvane
