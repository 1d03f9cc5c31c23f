#include "launcher/popup_view_win32.h"

#include "launcher/menu_pictures_resource.h"
#include "launcher/menu_placement.h"
#include "platform/handle_win32.h"

namespace kolvane {
namespace {

// Between the picture and the caption.
constexpr int kPictureGap = 4;

int PictureWidth() { return GetSystemMetrics(SM_CXSMICON); }
int PictureHeight() { return GetSystemMetrics(SM_CYSMICON); }

ScreenRect ScreenOf(POINT point) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& r = monitor.rcMonitor;
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

Win32PopupView::Win32PopupView(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}

HICON Win32PopupView::Picture(int icon) {
    Icon& picture = pictures_[icon];
    if (!picture)
        picture.reset(static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(IDI_MENU_PICTURES + icon), IMAGE_ICON,
                                                    PictureWidth(), PictureHeight(), LR_DEFAULTCOLOR)));
    return picture.get();
}

// The entry's number is its command: the choice comes back as the number, whatever the caption says.
HMENU Win32PopupView::Build(const PopupMenu& menu, int parent) {
    HMENU native = CreatePopupMenu();
    for (int itemNr = 1; itemNr <= menu.Count(); ++itemNr) {
        const PopupEntry& entry = menu.Entry(itemNr);
        if (entry.parent != parent) continue;
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        if (entry.IsSeparator()) {
            item.fMask = MIIM_FTYPE;
            item.fType = MFT_SEPARATOR;
        } else {
            item.fMask = MIIM_ID | MIIM_STRING | MIIM_STATE;
            item.wID = static_cast<UINT>(itemNr);
            item.dwTypeData = const_cast<char*>(entry.caption.c_str());
            item.fState = (entry.enabled ? MFS_ENABLED : MFS_GRAYED) | (entry.checked ? MFS_CHECKED : MFS_UNCHECKED);
            if (menu.HasChildren(itemNr)) {
                item.fMask |= MIIM_SUBMENU;
                item.hSubMenu = Build(menu, itemNr);
            }
            if (entry.icon != kNoIcon) {
                if (HICON picture = Picture(entry.icon)) {
                    item.fMask |= MIIM_BITMAP | MIIM_DATA;
                    item.hbmpItem = HBMMENU_CALLBACK;
                    item.dwItemData = reinterpret_cast<ULONG_PTR>(picture);
                }
            }
        }
        InsertMenuItemA(native, GetMenuItemCount(native), TRUE, &item);
    }
    return native;
}

int Win32PopupView::Track(const PopupMenu& model) {
    const Menu menu(Build(model, 0));
    POINT pointer{};
    GetCursorPos(&pointer);
    const MenuPlacement placed =
        PlaceMenu(ScreenOf(pointer), IconUnderPointer({pointer.x, pointer.y}, PictureWidth(), PictureHeight()));
    TPMPARAMS keepClear{};
    keepClear.cbSize = sizeof keepClear;
    keepClear.rcExclude = {placed.exclude.left, placed.exclude.top, placed.exclude.right, placed.exclude.bottom};
    const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_VERTICAL |
                       (placed.rightAligned ? TPM_RIGHTALIGN : TPM_LEFTALIGN) |
                       (placed.bottomAligned ? TPM_BOTTOMALIGN : TPM_TOPALIGN);
    // The menu closes on a click elsewhere only when its owner is the foreground window.
    SetForegroundWindow(owner_);
    const int chosen =
        static_cast<int>(TrackPopupMenuEx(menu.get(), flags, placed.at.x, placed.at.y, owner_, &keepClear));
    // Lets the owner's queue move on, so that the next press opens the menu at once.
    PostMessageA(owner_, WM_NULL, 0, 0);
    return chosen;
}

bool MeasureMenuPicture(MEASUREITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || !item.itemData) return false;
    item.itemWidth = static_cast<UINT>(PictureWidth() + kPictureGap);
    item.itemHeight = static_cast<UINT>(PictureHeight());
    return true;
}

bool DrawMenuPicture(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || !item.itemData) return false;
    const auto picture = reinterpret_cast<HICON>(item.itemData);
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - PictureHeight()) / 2;
    if (item.itemState & (ODS_GRAYED | ODS_DISABLED))
        DrawStateA(item.hDC, nullptr, nullptr, reinterpret_cast<LPARAM>(picture), 0, item.rcItem.left, top,
                   PictureWidth(), PictureHeight(), DST_ICON | DSS_DISABLED);
    else
        DrawIconEx(item.hDC, item.rcItem.left, top, picture, PictureWidth(), PictureHeight(), 0, nullptr, DI_NORMAL);
    return true;
}

}  // namespace kolvane
