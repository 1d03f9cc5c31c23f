#include "app/database_wait_win32.h"

#include <array>
#include <optional>

#include "app/database_wait_resource.h"
#include "hub/tray_symbol_window_win32.h"
#include "platform/handle_win32.h"

namespace kolvane {

namespace {

constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMilliseconds = static_cast<UINT>(kWaitTickSeconds * 1000);
// An entry picked from the open list runs once the list's notifications are through.
constexpr UINT kEntryChosenMessage = WM_APP + 1;
constexpr UINT kListClosedMessage = WM_APP + 2;
constexpr int kTwipsPerInch = 1440;

struct ControlText {
    int id;
    const char* text;
};

constexpr std::array<ControlText, 6> kControlTexts{{
    {IDC_DATENBANK_LABEL1, kDatabaseWaitLabel1},
    {IDC_DATENBANK_PICTURE2, kDatabaseWaitPicture2},
    {IDC_DATENBANK_TCHECKDB, kDatabaseWaitCheckLabel},
    {IDOK, kDatabaseWaitReady},
    {IDC_DATENBANK_BABBRECHEN, kDatabaseWaitCancel},
    {IDC_DATENBANK_BHILFE, kDatabaseWaitHelp},
}};

int TwipsToPixels(HWND window, int twips, int axis) {
    HDC screen = GetDC(window);
    const int pixels = MulDiv(twips, GetDeviceCaps(screen, axis), kTwipsPerInch);
    ReleaseDC(window, screen);
    return pixels;
}

class Win32DatabaseWaitView final : public DatabaseWaitView {
public:
    explicit Win32DatabaseWaitView(HINSTANCE instance) : instance_(instance) {}

    void Run(const DatabaseWaitForm& form, DatabaseWaitEvents& events) override {
        const TraySymbolWindow owner(instance_);
        form_ = form;
        events_ = &events;
        DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_DATENBANK), owner.get(), Proc, LPARAM(this));
        events_ = nullptr;
        dialog_ = nullptr;
    }

    void Update(const DatabaseWaitForm& form) override {
        const DatabaseWaitForm before = form_;
        form_ = form;
        if (dialog_) Apply(before);
    }

    void Close() override {
        if (dialog_) EndDialog(dialog_, IDOK);
    }

private:
    static INT_PTR CALLBACK Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        auto* view = reinterpret_cast<Win32DatabaseWaitView*>(GetWindowLongPtrA(dialog, DWLP_USER));
        return view ? view->Handle(dialog, message, wParam, lParam) : FALSE;
    }

    INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_INITDIALOG:
                Load(dialog);
                return TRUE;
            case WM_TIMER:
                if (wParam == kTickTimer && events_) events_->Tick();
                return TRUE;
            case WM_DRAWITEM:
                DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
                return TRUE;
            case WM_CLOSE:
                if (events_) events_->CloseRequested();
                return TRUE;
            case WM_DESTROY:
                KillTimer(dialog, kTickTimer);
                return FALSE;
            case kEntryChosenMessage:
                if (events_) events_->EntryChosen(static_cast<int>(wParam));
                return TRUE;
            case kListClosedMessage:
                listDropped_ = false;
                return TRUE;
            case WM_COMMAND:
                Command(dialog, LOWORD(wParam), HIWORD(wParam));
                return TRUE;
        }
        return FALSE;
    }

    void Command(HWND dialog, int id, int notification) {
        if (!events_) return;
        switch (id) {
            case IDOK:
                events_->ReadyPressed();
                return;
            case IDC_DATENBANK_BABBRECHEN:
                events_->CancelPressed();
                return;
            case IDCANCEL:  // the Esc key: as the title bar's close button
                events_->CloseRequested();
                return;
            case IDC_DATENBANK_BHILFE:
                events_->HelpPressed();
                return;
            case IDC_DATENBANK_VCHECKDB:
                events_->CheckDatabaseClicked(IsDlgButtonChecked(dialog, IDC_DATENBANK_VCHECKDB) == BST_CHECKED);
                return;
            case IDC_DATENBANK_TCHECKDB:
                if (notification == STN_CLICKED) events_->CheckDatabaseClicked(!form_.checkDatabase);
                return;
            case IDC_DATENBANK_IMAGE1:
            case IDC_DATENBANK_TINFOTEXT:
                if (notification == STN_CLICKED) events_->InfoClicked();
                return;
            case IDC_DATENBANK_LSTARTAPP:
                ListNotification(dialog, notification);
                return;
        }
    }

    // Only a pick from the dropped-down list runs an entry; the arrow keys in the closed list move the
    // selection and nothing else. The list's notifications come in no fixed order, so the end of the
    // drop-down is taken note of only after them.
    void ListNotification(HWND dialog, int notification) {
        const int index = static_cast<int>(SendDlgItemMessageA(dialog, IDC_DATENBANK_LSTARTAPP, CB_GETCURSEL, 0, 0));
        switch (notification) {
            case CBN_DROPDOWN:
                listDropped_ = true;
                return;
            case CBN_CLOSEUP:
                PostMessageA(dialog, kListClosedMessage, 0, 0);
                return;
            case CBN_SELENDOK:
                if (listDropped_ && index >= 0) PostMessageA(dialog, kEntryChosenMessage, WPARAM(index), 0);
                return;
            case CBN_SELCHANGE:
                if (!listDropped_ && index >= 0) events_->EntrySelected(index);
                return;
        }
    }

    void Load(HWND dialog) {
        dialog_ = dialog;
        SetWindowTextA(dialog, kDatabaseWaitCaption);
        for (const ControlText& control : kControlTexts) SetDlgItemTextA(dialog, control.id, control.text);
        SetDlgItemTextA(dialog, IDC_DATENBANK_TINFOTEXT, DatabaseWaitInfo(form_).c_str());
        SendDlgItemMessageA(dialog, IDC_DATENBANK_IMAGE1, STM_SETICON, WPARAM(LoadIconA(nullptr, IDI_INFORMATION)), 0);
        HWND list = GetDlgItem(dialog, IDC_DATENBANK_LSTARTAPP);
        for (const WaitEntry& entry : kWaitEntries)
            SendMessageA(list, CB_ADDSTRING, 0, LPARAM(std::string(entry.text).c_str()));
        Apply(std::nullopt);
        Place(dialog);
        SetTimer(dialog, kTickTimer, kTickMilliseconds, nullptr);
        SetForegroundWindow(dialog);
    }

    // At the right of the screen, at the height the window has with its info.
    void Place(HWND dialog) {
        RECT window{};
        GetWindowRect(dialog, &window);
        const int width = window.right - window.left;
        const int height = TwipsToPixels(dialog, kWaitHeightWithInfoTwips, LOGPIXELSY);
        const int left = DatabaseWaitLeft(GetSystemMetrics(SM_CXSCREEN), width,
                                          TwipsToPixels(dialog, kWaitRightGapTwips, LOGPIXELSX));
        const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
        SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }

    void Apply(const std::optional<DatabaseWaitForm>& before) {
        HWND dialog = dialog_;
        if (!before || before->selected != form_.selected)
            SendDlgItemMessageA(dialog, IDC_DATENBANK_LSTARTAPP, CB_SETCURSEL, WPARAM(form_.selected), 0);
        if (!before || before->checkDatabase != form_.checkDatabase)
            CheckDlgButton(dialog, IDC_DATENBANK_VCHECKDB, form_.checkDatabase ? BST_CHECKED : BST_UNCHECKED);
        if (!before || before->infoShown != form_.infoShown) {
            for (int id : {IDC_DATENBANK_IMAGE1, IDC_DATENBANK_TINFOTEXT})
                ShowWindow(GetDlgItem(dialog, id), form_.infoShown ? SW_SHOW : SW_HIDE);
            RECT window{};
            GetWindowRect(dialog, &window);
            SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left,
                         TwipsToPixels(dialog, DatabaseWaitHeightTwips(form_), LOGPIXELSY),
                         SWP_NOMOVE | SWP_NOZORDER);
        }
        if (!before || before->frame != form_.frame)
            InvalidateRect(GetDlgItem(dialog, IDC_DATENBANK_PICTURE2), nullptr, FALSE);
    }

    // `Picture2`: a workstation and the server, the line between them broken, a packet that travels
    // from the workstation to the break and starts again; the text beside it.
    void DrawPicture(const DRAWITEMSTRUCT& item) const {
        HDC dc = item.hDC;
        const RECT& area = item.rcItem;
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        const int middle = (area.top + area.bottom) / 2;
        const int left = area.left + 2;
        const int scene = 96;
        const GdiObject<HBRUSH> screen(CreateSolidBrush(RGB(40, 90, 160)));
        const GdiObject<HBRUSH> packet(CreateSolidBrush(RGB(40, 160, 60)));
        const GdiObject<HPEN> line(CreatePen(PS_SOLID, 2, RGB(90, 90, 90)));
        const GdiObject<HPEN> cross(CreatePen(PS_SOLID, 2, RGB(200, 30, 30)));
        const RECT workstation{left, middle - 9, left + 18, middle + 7};
        const RECT server{left + scene - 14, middle - 13, left + scene, middle + 13};
        FillRect(dc, &workstation, screen.get());
        FillRect(dc, &server, screen.get());
        HGDIOBJ oldPen = SelectObject(dc, line.get());
        const int breakAt = left + scene / 2 + 4;
        MoveToEx(dc, workstation.right, middle, nullptr);
        LineTo(dc, breakAt - 5, middle);
        MoveToEx(dc, breakAt + 5, middle, nullptr);
        LineTo(dc, server.left, middle);
        SelectObject(dc, cross.get());
        MoveToEx(dc, breakAt - 4, middle - 4, nullptr);
        LineTo(dc, breakAt + 5, middle + 5);
        MoveToEx(dc, breakAt + 4, middle - 4, nullptr);
        LineTo(dc, breakAt - 5, middle + 5);
        const int travel = breakAt - 8 - workstation.right;
        const int x = workstation.right + travel * (form_.frame - 1) / (kAnimationFrames - 1);
        const RECT dot{x, middle - 3, x + 6, middle + 3};
        FillRect(dc, &dot, packet.get());
        SelectObject(dc, oldPen);
        RECT text = area;
        text.left = left + scene + 10;
        SetBkMode(dc, TRANSPARENT);
        HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)));
        DrawTextA(dc, kDatabaseWaitPicture2, -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        SelectObject(dc, oldFont);
    }

    HINSTANCE instance_;
    HWND dialog_ = nullptr;
    DatabaseWaitEvents* events_ = nullptr;
    DatabaseWaitForm form_;
    bool listDropped_ = false;
};

}  // namespace

std::unique_ptr<DatabaseWaitView> MakeDatabaseWaitView(HINSTANCE instance) {
    return std::make_unique<Win32DatabaseWaitView>(instance);
}

}  // namespace kolvane
