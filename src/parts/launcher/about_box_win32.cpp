#include "launcher/about_box_win32.h"

#include <string>

#include "launcher/about_box_resource.h"
#include "hub/tray_symbol_window_win32.h"
#include "platform/handle_win32.h"

namespace kolvane {
namespace {

struct About {
    const AboutForm* form;
    HFONT productFont;
    HWND* open;
};

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto& about = *reinterpret_cast<const About*>(lParam);
        *about.open = dialog;
        std::string address;
        for (const std::string& line : about.form->address) address += (address.empty() ? "" : "\n") + line;
        SetWindowTextA(dialog, kAboutCaption);
        SetDlgItemTextA(dialog, IDC_INFORMATIONEN_PRODUCT, about.form->product.c_str());
        SendDlgItemMessageA(dialog, IDC_INFORMATIONEN_PRODUCT, WM_SETFONT, WPARAM(about.productFont), FALSE);
        SetDlgItemTextA(dialog, IDC_INFORMATIONEN_VERSION, about.form->version.c_str());
        SetDlgItemTextA(dialog, IDC_INFORMATIONEN_ADDRESS, address.c_str());
        SetForegroundWindow(dialog);
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace

void Win32AboutView::Show(const AboutForm& form) {
    if (open_) {
        SetForegroundWindow(open_);
        return;
    }
    const TraySymbolWindow owner(instance_);
    const Font productFont = BoldHeadingFont(16);
    About about{&form, productFont.get(), &open_};
    DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_INFORMATIONEN), owner.get(), AboutProc, LPARAM(&about));
    open_ = nullptr;
}

}  // namespace kolvane
