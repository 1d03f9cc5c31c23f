#include "launcher/menu_placement.h"

namespace kolvane {

ScreenRect IconUnderPointer(ScreenPoint pointer, int iconWidth, int iconHeight) {
    const int left = pointer.x - iconWidth / 2;
    const int top = pointer.y - iconHeight / 2;
    return {left, top, left + iconWidth, top + iconHeight};
}

MenuPlacement PlaceMenu(const ScreenRect& screen, const ScreenRect& icon) {
    const int middleX = screen.left + (screen.right - screen.left) / 2;
    const int middleY = screen.top + (screen.bottom - screen.top) / 2;
    MenuPlacement placement;
    placement.exclude = icon;
    placement.rightAligned = icon.left >= middleX;
    placement.bottomAligned = icon.top >= middleY;
    placement.at.x = placement.rightAligned ? icon.right : icon.left;
    placement.at.y = placement.bottomAligned ? icon.top : icon.bottom;
    return placement;
}

}  // namespace kolvane
