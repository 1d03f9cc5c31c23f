#include "password/password_prompt_win32.h"

#include <string>

#include "password/password_resource.h"
#include "hub/tray_symbol_window_win32.h"
#include "platform/handle_win32.h"
#include "platform/window_text_win32.h"

namespace kolvane {
namespace {

struct Prompt {
    Hub* hub;
    PasswortForm* form;
    HFONT headingFont;
};

Prompt& PromptOf(HWND dialog) { return *reinterpret_cast<Prompt*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

void KeepInFront(HWND dialog, bool inFront) {
    SetWindowPos(dialog, inFront ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Load(HWND dialog, const Prompt& prompt) {
    const PasswortForm& form = *prompt.form;
    SetWindowTextA(dialog, kPromptCaption);
    SendDlgItemMessageA(dialog, IDC_PASSWORT_LABEL3, WM_SETFONT, WPARAM(prompt.headingFont), FALSE);
    HWND names = GetDlgItem(dialog, IDC_PASSWORT_TEXT1);
    for (const std::string& name : form.Text1List) SendMessageA(names, CB_ADDSTRING, 0, LPARAM(name.c_str()));
    SetWindowTextA(names, form.Text1.c_str());
    SetDlgItemTextA(dialog, IDC_PASSWORT_TEXT2, form.Text2.c_str());
    CheckDlgButton(dialog, IDC_PASSWORT_BVORDERGRUND, form.BVordergrund ? BST_CHECKED : BST_UNCHECKED);
    if (form.BVordergrund) KeepInFront(dialog, true);
    // Opened from a click on the icon: the hub may bring its window to the front.
    SetForegroundWindow(dialog);
    // Posted: the activation of the new dialog would otherwise put the focus on its first control.
    PostMessageA(dialog, WM_NEXTDLGCTL, WPARAM(GetDlgItem(dialog, IDC_PASSWORT_TEXT2)), TRUE);
}

void Confirm(HWND dialog, Prompt& prompt) {
    PasswortForm& form = *prompt.form;
    form.Text1 = ItemText(dialog, IDC_PASSWORT_TEXT1);
    form.Text2 = ItemText(dialog, IDC_PASSWORT_TEXT2);
    form.BVordergrund = IsDlgButtonChecked(dialog, IDC_PASSWORT_BVORDERGRUND) == BST_CHECKED;
    KeepInFront(dialog, false);
    if (PasswortReady(*prompt.hub, form) == PromptAnswer::Right) {
        EnableWindow(GetDlgItem(dialog, IDOK), form.BReadyEnabled);
        EndDialog(dialog, IDOK);
        return;
    }
    SetDlgItemTextA(dialog, IDC_PASSWORT_TEXT2, form.Text2.c_str());
    if (form.BVordergrund) KeepInFront(dialog, true);
    SendMessageA(dialog, WM_NEXTDLGCTL, WPARAM(GetDlgItem(dialog, IDC_PASSWORT_TEXT2)), TRUE);
}

INT_PTR CALLBACK PromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            Load(dialog, *reinterpret_cast<Prompt*>(lParam));
            return FALSE;
        case WM_HELP:
            PasswortHelp(*PromptOf(dialog).hub);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK: Confirm(dialog, PromptOf(dialog)); return TRUE;
                // Esc, the close box and `BAbbrechen`: the hub ends here.
                case IDCANCEL: PasswortCancel(*PromptOf(dialog).hub);
                case IDC_PASSWORT_BHILFE: PasswortHelp(*PromptOf(dialog).hub); return TRUE;
                case IDC_PASSWORT_BVORDERGRUND:
                    KeepInFront(dialog, IsDlgButtonChecked(dialog, IDC_PASSWORT_BVORDERGRUND) == BST_CHECKED);
                    return TRUE;
            }
            return FALSE;
    }
    return FALSE;
}

}  // namespace

void Win32PasswortView::ShowModal(Hub& hub, PasswortForm& form) {
    const TraySymbolWindow owner(instance_);
    const Font headingFont = BoldHeadingFont(18);
    Prompt prompt{&hub, &form, headingFont.get()};
    DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_PASSWORT), owner.get(), PromptProc, LPARAM(&prompt));
}

}  // namespace kolvane
