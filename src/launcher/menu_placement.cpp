#include "launcher/menu_placement.h"

namespace kolvane {

MenuPlacement PlaceMenu(const ScreenRect& screen, const std::optional<ScreenRect>& icon, ScreenPoint cursor) {
    const ScreenRect anchor = icon ? *icon : ScreenRect{cursor.x, cursor.y, cursor.x + 1, cursor.y + 1};
    const int middleX = (screen.left + screen.right) / 2;
    const int middleY = (screen.top + screen.bottom) / 2;
    MenuPlacement placement;
    placement.exclude = anchor;
    placement.rightAligned = anchor.left >= middleX;
    placement.bottomAligned = anchor.top >= middleY;
    placement.at.x = placement.rightAligned ? anchor.right : anchor.left;
    placement.at.y = placement.bottomAligned ? anchor.top : anchor.bottom;
    return placement;
}

}  // namespace kolvane
