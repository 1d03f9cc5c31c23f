// Wine keeps a menu inside the process that owns it: another process's GetMenuItemCount on the handle that
// MN_GETHMENU gives fails. So the peer reads the hub's open menu from inside the hub: it hooks the menu
// window's thread with this library, and the hook answers a WM_NULL marked by the peer with the menu as text,
// sent back to the peer's window (lParam) with WM_COPYDATA: one line per entry, depth first in the order
// shown, "depth <TAB> state <TAB> caption", the state "enabled", "grayed" or "separator", with ",popup".
#include <windows.h>

#include <string>

namespace {

constexpr WPARAM kMenuProbe = 0x4B4F4C56;  // "KOLV"

void Describe(HMENU menu, unsigned depth, std::string& text) {
    for (int position = 0, count = GetMenuItemCount(menu); position < count; ++position) {
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
        if (!GetMenuItemInfoA(menu, position, TRUE, &item)) continue;
        char caption[512] = {};
        GetMenuStringA(menu, position, caption, sizeof caption, MF_BYPOSITION);
        text += std::to_string(depth) + "\t" +
                (item.fType & MFT_SEPARATOR ? "separator" : item.fState & MFS_GRAYED ? "grayed" : "enabled") +
                (item.hSubMenu ? ",popup\t" : "\t") + caption + "\n";
        if (item.hSubMenu) Describe(item.hSubMenu, depth + 1, text);
    }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK MenuProbeHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_NULL && sent->wParam == kMenuProbe) {
        std::string text;
        Describe(reinterpret_cast<HMENU>(SendMessageA(sent->hwnd, MN_GETHMENU, 0, 0)), 0, text);
        COPYDATASTRUCT data = {kMenuProbe, static_cast<DWORD>(text.size()), text.data()};
        SendMessageA(reinterpret_cast<HWND>(sent->lParam), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
