#pragma once
// The popup menu on screen: a native menu built from the entries each time it opens (so that entries disabled
// meanwhile show greyed), with each entry's picture beside it. The menu asks its owner to draw the pictures,
// so that they are drawn with their transparency over the entry as it looks (normal, selected, greyed).
#include <windows.h>

#include <map>

#include "launcher/menu_views.h"
#include "platform/handle_win32.h"

namespace kolvane {

// NOLINTNEXTLINE(cppcoreguidelines-special-member-functions): copies are refused, it owns nothing to destroy
class Win32PopupView : public PopupView {
public:
    // owner: the hub window, which receives the menu's messages and is brought to the front.
    Win32PopupView(HINSTANCE instance, HWND owner);
    Win32PopupView(const Win32PopupView&) = delete;
    Win32PopupView& operator=(const Win32PopupView&) = delete;

    int Track(const PopupMenu& model) override;

private:
    HMENU Build(const PopupMenu& menu, int parent);
    HICON Picture(int icon);

    HINSTANCE instance_;
    HWND owner_;
    std::map<int, Icon> pictures_;  // loaded on first use, kept for the hub's life
};

// For the owner's window procedure: WM_MEASUREITEM and WM_DRAWITEM of a picture of the popup menu. False for
// anything else (another owner-drawn control).
bool MeasureMenuPicture(MEASUREITEMSTRUCT& item);
bool DrawMenuPicture(const DRAWITEMSTRUCT& item);

}  // namespace kolvane
