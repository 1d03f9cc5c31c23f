#include "members/sender_data_win32.h"

#include <string>

#include "hub/tray_symbol_window_win32.h"
#include "members/members_resource.h"
#include "platform/window_text_win32.h"

namespace kolvane {
namespace {

constexpr char kHelpText[] =
    "Hier stehen die Absenderdaten Ihrer Beratungsstellen: Name, Anschrift, Telefon und E-Mail der Hauptstelle "
    "und, falls vorhanden, der Nebenstelle. Die Programme von Orvintal drucken sie im Briefkopf. Die Bst-ID "
    "besteht aus zwei Ziffern, einem Schrägstrich und zwei Ziffern (z. B. 10/10). Mit \"Bezeichnung ...\" legen "
    "Sie den Ort fest, der als Absenderort vor dem Datum steht.";

struct Absender {
    Hub* hub;
    AbsenderForm* form;
    HWND* shown;  // the view's handle of the window, set while it is shown
    int helpHeight = 0;  // pixels the window loses while the help panel is hidden
};

Absender& AbsenderOf(HWND dialog) { return *reinterpret_cast<Absender*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

constexpr int FieldId(std::size_t field) { return IDC_ABSENDER_FIELD + static_cast<int>(field); }

// The field of a control id, or kSenderFieldCount for any other control.
std::size_t FieldOf(int id) {
    const int field = id - IDC_ABSENDER_FIELD;
    return field >= 0 && field < static_cast<int>(kSenderFieldCount) ? static_cast<std::size_t>(field) : kSenderFieldCount;
}

void FocusOn(HWND dialog, int id) { PostMessageA(dialog, WM_NEXTDLGCTL, WPARAM(GetDlgItem(dialog, id)), TRUE); }

void FocusOnForm(HWND dialog, const AbsenderForm& form) {
    FocusOn(dialog, form.focus == kSenderReady ? IDOK : FieldId(form.focus));
}

void ShowForm(HWND dialog, const AbsenderForm& form) {
    for (std::size_t field = 0; field < kSenderFieldCount; ++field)
        SetDlgItemTextA(dialog, FieldId(field), form.texts[field].c_str());
    CheckDlgButton(dialog, IDC_ABSENDER_BADDCONTRACT, form.bAddContract ? BST_CHECKED : BST_UNCHECKED);
}

void Init(HWND dialog, Absender& absender) {
    *absender.shown = dialog;
    SetWindowTextA(dialog, kAbsenderCaption);
    for (std::size_t field = 0; field < kSenderFieldCount; ++field)
        SetDlgItemTextA(dialog, IDC_ABSENDER_LABEL + static_cast<int>(field), std::string(kSenderFields[field].label).c_str());
    SetDlgItemTextA(dialog, IDC_ABSENDER_THELPVIEW, kHelpText);
    for (int id : {FieldId(SenderFieldOf(Office::Main, kIdRow)), FieldId(SenderFieldOf(Office::Branch, kIdRow))})
        SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, 5, 0);
    ShowForm(dialog, *absender.form);
    RECT panel{0, 182, 0, 236};  // from the panel's top to the window's bottom, in dialog units
    MapDialogRect(dialog, &panel);
    absender.helpHeight = panel.bottom - panel.top;
    SetForegroundWindow(dialog);
}

void ToggleHelp(HWND dialog, const Absender& absender) {
    HWND panel = GetDlgItem(dialog, IDC_ABSENDER_PHELPVIEW);
    const bool show = !IsWindowVisible(panel);
    for (int id : {IDC_ABSENDER_PHELPVIEW, IDC_ABSENDER_THELPVIEW})
        ShowWindow(GetDlgItem(dialog, id), show ? SW_SHOW : SW_HIDE);
    RECT window;
    GetWindowRect(dialog, &window);
    SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top + (show ? absender.helpHeight : -absender.helpHeight),
                 SWP_NOMOVE | SWP_NOZORDER);
}

void Save(HWND dialog, Absender& absender) {
    AbsenderForm& form = *absender.form;
    for (std::size_t field = 0; field < kSenderFieldCount; ++field) form.texts[field] = ItemText(dialog, FieldId(field));
    form.bAddContract = IsDlgButtonChecked(dialog, IDC_ABSENDER_BADDCONTRACT) == BST_CHECKED;
    if (AbsenderSave(*absender.hub, form)) {
        EndDialog(dialog, IDOK);
        return;
    }
    ShowForm(dialog, form);
    FocusOnForm(dialog, form);
}

// Enter in a box walks on to the next one and finally to `bReady`; Enter there, or a click on it, saves.
void OnEnterOrOk(HWND dialog, Absender& absender) {
    const std::size_t field = FieldOf(GetDlgCtrlID(GetFocus()));
    if (field == kSenderFieldCount) return Save(dialog, absender);
    absender.form->focus = AbsenderNextOnEnter(field);
    FocusOnForm(dialog, *absender.form);
}

void OnFieldChanged(HWND dialog, AbsenderForm& form, std::size_t field) {
    const std::string now = ItemText(dialog, FieldId(field));
    const std::string shown = field % kSenderRows == kIdRow ? AbsenderIdTyped(form.texts[field], now) : now;
    form.texts[field] = shown;
    if (shown == now) return;
    SetDlgItemTextA(dialog, FieldId(field), shown.c_str());
    SendDlgItemMessageA(dialog, FieldId(field), EM_SETSEL, shown.size(), static_cast<LPARAM>(shown.size()));
}

void OnFieldLeft(HWND dialog, Absender& absender, std::size_t field) {
    const HWND to = GetFocus();
    const FocusMove move = !IsChild(dialog, to)                ? FocusMove::OutOfWindow
                           : to == GetDlgItem(dialog, IDCANCEL) ? FocusMove::ToAbbrechen
                                                                : FocusMove::InWindow;
    AbsenderForm& form = *absender.form;
    if (!AbsenderLeave(*absender.hub, form, field, move)) {
        SetDlgItemTextA(dialog, FieldId(field), "");
        FocusOnForm(dialog, form);
    } else if (field == SenderFieldOf(Office::Main, kTaxNumberRow)) {
        SetDlgItemTextA(dialog, FieldId(SenderFieldOf(Office::Branch, kTaxNumberRow)),
                        form.texts[SenderFieldOf(Office::Branch, kTaxNumberRow)].c_str());
    }
}

void OnFieldFocused(HWND dialog, std::size_t field) {
    // The branch office's tax number is the main office's: it is edited there.
    if (field == SenderFieldOf(Office::Branch, kTaxNumberRow))
        return FocusOn(dialog, FieldId(SenderFieldOf(Office::Main, kTaxNumberRow)));
    SendDlgItemMessageA(dialog, FieldId(field), EM_SETSEL, 0, -1);
}

bool OnCommand(HWND dialog, Absender& absender, int id, int code) {
    if (const std::size_t field = FieldOf(id); field != kSenderFieldCount) {
        if (code == EN_CHANGE) OnFieldChanged(dialog, *absender.form, field);
        if (code == EN_KILLFOCUS) OnFieldLeft(dialog, absender, field);
        if (code == EN_SETFOCUS) OnFieldFocused(dialog, field);
        return true;
    }
    switch (id) {
        case IDOK: OnEnterOrOk(dialog, absender); return true;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return true;
        case IDC_ABSENDER_BALIZENZCAPTION: AbsenderDesignation(*absender.hub, Office::Main); return true;
        case IDC_ABSENDER_BBLIZENZCAPTION: AbsenderDesignation(*absender.hub, Office::Branch); return true;
        case IDC_ABSENDER_BORDNER: AbsenderFolders(*absender.hub); return true;
        case IDC_ABSENDER_BHILFE: AbsenderHelp(*absender.hub); return true;
        case IDC_ABSENDER_BHELPVIEW: ToggleHelp(dialog, absender); return true;
    }
    return false;
}

INT_PTR CALLBACK AbsenderProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            Init(dialog, *reinterpret_cast<Absender*>(lParam));
            return TRUE;  // the focus on the first box, the main office's name
        case WM_COMMAND:
            return OnCommand(dialog, AbsenderOf(dialog), LOWORD(wParam), HIWORD(wParam));
    }
    return FALSE;
}

}  // namespace

void Win32AbsenderView::ShowModal(Hub& hub, AbsenderForm& form) {
    const TraySymbolWindow owner(instance_);
    Absender absender{&hub, &form, &dialog_};
    DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_ABSENDER), owner.get(), AbsenderProc, LPARAM(&absender));
    dialog_ = nullptr;
}

}  // namespace kolvane
