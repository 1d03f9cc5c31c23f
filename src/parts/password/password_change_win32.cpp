#include "password/password_change_win32.h"

#include <string>

#include "password/password_resource.h"
#include "hub/tray_symbol_window_win32.h"
#include "platform/window_text_win32.h"

namespace kolvane {
namespace {

struct Change {
    Hub* hub;
    KennwortForm* form;
};

Change& ChangeOf(HWND dialog) { return *reinterpret_cast<Change*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

void FocusOn(HWND dialog, int id) { SendMessageA(dialog, WM_NEXTDLGCTL, WPARAM(GetDlgItem(dialog, id)), TRUE); }

void Apply(HWND dialog, Change& change) {
    KennwortForm& form = *change.form;
    form.tKennwort = ItemText(dialog, IDC_KENNWORT_TKENNWORT);
    form.tBestaetigung = ItemText(dialog, IDC_KENNWORT_TBESTAETIGUNG);
    if (KennwortApply(*change.hub, form) == ChangeAnswer::Stored) {
        EndDialog(dialog, IDOK);
        return;
    }
    SetDlgItemTextA(dialog, IDC_KENNWORT_TKENNWORT, form.tKennwort.c_str());
    SetDlgItemTextA(dialog, IDC_KENNWORT_TBESTAETIGUNG, form.tBestaetigung.c_str());
    FocusOn(dialog, form.focus == KennwortForm::Field::tKennwort ? IDC_KENNWORT_TKENNWORT : IDC_KENNWORT_TBESTAETIGUNG);
}

// Enter walks from the new password to its confirmation and on to `bÜbernehmen`; only there does it store.
void OnEnterOrOk(HWND dialog) {
    const int focused = GetDlgCtrlID(GetFocus());
    if (focused == IDC_KENNWORT_TKENNWORT) FocusOn(dialog, IDC_KENNWORT_TBESTAETIGUNG);
    else if (focused == IDC_KENNWORT_TBESTAETIGUNG) FocusOn(dialog, IDOK);
    else Apply(dialog, ChangeOf(dialog));
}

INT_PTR CALLBACK ChangeProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            SetWindowTextA(dialog, kChangeCaption);
            SetForegroundWindow(dialog);
            return TRUE;  // the focus on the first control, `tKennwort`
        case WM_COMMAND:
            if (HIWORD(wParam) == EN_SETFOCUS) {
                // Entering a field selects its whole text, so that typing replaces it.
                SendMessageA(reinterpret_cast<HWND>(lParam), EM_SETSEL, 0, -1);
                return TRUE;
            }
            if (LOWORD(wParam) == IDOK) {
                OnEnterOrOk(dialog);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
    }
    return FALSE;
}

}  // namespace

void Win32KennwortView::ShowModal(Hub& hub, KennwortForm& form) {
    const TraySymbolWindow owner(instance_);
    Change change{&hub, &form};
    DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_KENNWORT), owner.get(), ChangeProc, LPARAM(&change));
}

}  // namespace kolvane
