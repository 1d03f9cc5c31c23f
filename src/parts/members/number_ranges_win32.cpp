#include "members/number_ranges_win32.h"

#include <string>

#include "hub/tray_symbol_window_win32.h"
#include "members/members_resource.h"
#include "platform/window_text_win32.h"

namespace kolvane {
namespace {

struct Lizenzierung {
    Hub* hub;
    LizenzierungForm* form;
    LizenzierungView* view;
    HWND* shown;  // the view's handle of the window, set while it is shown
};

Lizenzierung& LizenzierungOf(HWND dialog) {
    return *reinterpret_cast<Lizenzierung*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

constexpr int FieldId(std::size_t field) { return IDC_LIZENZIERUNG_FIELD + static_cast<int>(field); }

// The field of a control id, or kRangeReady for any other control.
std::size_t FieldOf(int id) {
    const int field = id - IDC_LIZENZIERUNG_FIELD;
    return field >= 0 && field < static_cast<int>(kRangeReady) ? static_cast<std::size_t>(field) : kRangeReady;
}

void ReadFields(HWND dialog, LizenzierungForm& form) {
    for (std::size_t field = TAnfang1; field <= TEnde2; ++field) form.fields[field] = ItemText(dialog, FieldId(field));
}

void ShowFields(HWND dialog, const LizenzierungForm& form) {
    for (std::size_t field = TAnfang1; field <= TEnde2; ++field)
        SetDlgItemTextA(dialog, FieldId(field), form.fields[field].c_str());
}

void FocusOn(HWND dialog, std::size_t field) {
    PostMessageA(dialog, WM_NEXTDLGCTL, WPARAM(GetDlgItem(dialog, field == kRangeReady ? IDOK : FieldId(field))), TRUE);
}

void Confirm(HWND dialog, Lizenzierung& window) {
    ReadFields(dialog, *window.form);
    if (LizenzierungConfirm(*window.hub, *window.form, *window.view)) {
        EndDialog(dialog, IDOK);
        return;
    }
    ShowFields(dialog, *window.form);
    FocusOn(dialog, window.form->focus);
}

bool OnCommand(HWND dialog, Lizenzierung& window, int id, int code) {
    if (const std::size_t field = FieldOf(id); field != kRangeReady) {
        if (code == EN_SETFOCUS) SendDlgItemMessageA(dialog, id, EM_SETSEL, 0, -1);
        if (code == EN_KILLFOCUS) {
            ReadFields(dialog, *window.form);
            LizenzierungLeave(*window.form);
            ShowFields(dialog, *window.form);
        }
        return true;
    }
    switch (id) {
        case IDOK: {
            // Enter in a field walks on to the next one; Enter on `bReady`, or a click on it, confirms.
            const std::size_t focused = FieldOf(GetDlgCtrlID(GetFocus()));
            if (focused == kRangeReady) Confirm(dialog, window);
            else FocusOn(dialog, focused + 1);
            return true;
        }
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return true;
        case IDC_LIZENZIERUNG_BHILFE: LizenzierungHelp(*window.hub); return true;
    }
    return false;
}

INT_PTR CALLBACK LizenzierungProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            *LizenzierungOf(dialog).shown = dialog;
            SetWindowTextA(dialog, kLizenzierungCaption);
            ShowFields(dialog, *LizenzierungOf(dialog).form);
            SetForegroundWindow(dialog);
            return TRUE;  // the focus on the first field
        case WM_COMMAND:
            return OnCommand(dialog, LizenzierungOf(dialog), LOWORD(wParam), HIWORD(wParam));
    }
    return FALSE;
}

}  // namespace

void Win32LizenzierungView::ShowModal(Hub& hub, LizenzierungForm& form) {
    const TraySymbolWindow owner(instance_);
    Lizenzierung window{&hub, &form, this, &dialog_};
    DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_LIZENZIERUNG), owner.get(), LizenzierungProc, LPARAM(&window));
    dialog_ = nullptr;
}

void Win32LizenzierungView::Lock() {
    for (int id : {FieldId(TAnfang1), FieldId(TEnde1), FieldId(TAnfang2), FieldId(TEnde2), IDOK, IDCANCEL})
        EnableWindow(GetDlgItem(dialog_, id), FALSE);
}

void Win32LizenzierungView::Hide() { ShowWindow(dialog_, SW_HIDE); }

}  // namespace kolvane
