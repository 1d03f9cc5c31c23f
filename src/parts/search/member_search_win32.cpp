#include "search/member_search_win32.h"

#include <commctrl.h>

#include <array>
#include <string>

#include "hub/tray_symbol_window_win32.h"
#include "platform/handle_win32.h"
#include "search/member_search_resource.h"

namespace kolvane {

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Milliseconds = 250;
constexpr int kTwipsPerInch = 1440;
// The result menu opens once the list view has finished with the click: opened inside the click's
// notification it would lose the mouse to the list view's own tracking and close again at once.
constexpr UINT kRowReleasedMessage = WM_APP + 1;

struct ControlText {
    int id;
    const char* text;
};

constexpr std::array<ControlText, 8> kControlTexts{{
    {IDC_SUCHEN_LABNAME, "&Begriff:"},
    {IDC_SUCHEN_BSTEUERNR, "&ID- und Steuernummern durchsuchen "},
    {IDC_SUCHEN_BERWEITERT, "&Nur Nachnamen durchsuchen "},
    {IDC_SUCHEN_BWOHNORTE, "&Plz, Orte und Straßen durchsuchen"},
    {IDC_SUCHEN_BSUCHEN, "&Suchen"},
    {IDC_SUCHEN_BABBRECHEN, "&Abbrechen"},
    {IDC_SUCHEN_BHILFE, "&Hilfe"},
    {IDC_SUCHEN_ANZAHL, ""},
}};

struct Column {
    const char* caption;
    int width;  // pixels
};

constexpr std::array<Column, 3> kColumns{{{"ID", 60}, {"Name", 200}, {"Vorname(n)", 200}}};
constexpr char kAnzahlTip[] = "Gibt die Anzahl der gefunden Personen an ...";

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

int Twips(HWND window, int pixels, int axis, bool toTwips) {
    HDC screen = GetDC(window);
    const int dpi = GetDeviceCaps(screen, axis);
    ReleaseDC(window, screen);
    return toTwips ? MulDiv(pixels, kTwipsPerInch, dpi) : MulDiv(pixels, dpi, kTwipsPerInch);
}

TwipsRect ToTwips(HWND window, const RECT& r) {
    return {Twips(window, r.left, LOGPIXELSX, true), Twips(window, r.top, LOGPIXELSY, true),
            Twips(window, r.right, LOGPIXELSX, true), Twips(window, r.bottom, LOGPIXELSY, true)};
}

void AddTip(HWND dialog, HWND control, const char* text) {
    HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, nullptr, nullptr);
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = dialog;
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<char*>(text);
    SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void InsertRow(HWND list, int at, const HitRow& row) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = at;
    item.pszText = const_cast<char*>(row.id.c_str());
    const int index = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    const std::string* texts[] = {&row.name, &row.firstNames};
    for (int sub = 1; sub <= 2; ++sub) {
        LVITEMA cell{};
        cell.iSubItem = sub;
        cell.pszText = const_cast<char*>(texts[sub - 1]->c_str());
        SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&cell));
    }
}

}  // namespace

void Win32SuchenView::Run(MemberSearch& search) {
    const TraySymbolWindow owner(instance_);
    search_ = &search;
    shown_ = SuchenForm();
    shown_.Anzahl = "-";  // nothing shown yet: the first update copies everything
    shown_.listGeneration = -1;
    rowsShown_ = 0;
    timerOn_ = false;
    DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_SUCHEN), owner.get(), Proc, LPARAM(this));
    search_ = nullptr;
    dialog_ = nullptr;
}

INT_PTR CALLBACK Win32SuchenView::Proc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<Win32SuchenView*>(lParam)->dialog_ = dialog;
    }
    auto* view = reinterpret_cast<Win32SuchenView*>(GetWindowLongPtrA(dialog, DWLP_USER));
    return view && view->search_ ? view->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR Win32SuchenView::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            Load();
            return FALSE;  // the focus is set by Load
        case WM_TIMER:
            if (wParam == kTimer1) {
                ReadControls();
                search_->Tick();
            }
            return TRUE;
        case WM_CLOSE:
            search_->CloseRequested(Place());
            return TRUE;
        case WM_DESTROY:
            KillTimer(dialog_, kTimer1);
            return FALSE;
        case WM_COMMAND:
            Command(LOWORD(wParam));
            return TRUE;
        case WM_NOTIFY:
            Notify(*reinterpret_cast<const NMHDR*>(lParam));
            return TRUE;
        case WM_CONTEXTMENU:  // the menu key or Shift+F10 in the list: the result menu, as a click on the row
            if (reinterpret_cast<HWND>(wParam) == GetDlgItem(dialog_, IDC_SUCHEN_VNAMEN)) {
                const auto row = SendMessageA(reinterpret_cast<HWND>(wParam), LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED);
                if (row >= 0) PostMessageA(dialog_, kRowReleasedMessage, static_cast<WPARAM>(row), 0);
            }
            return TRUE;
        case kRowReleasedMessage:
            search_->RowReleased(static_cast<int>(wParam));
            return TRUE;
    }
    return FALSE;
}

void Win32SuchenView::Load() {
    SetWindowTextA(dialog_, kMemberSearchCaption);
    for (const ControlText& control : kControlTexts) SetDlgItemTextA(dialog_, control.id, control.text);
    HWND list = GetDlgItem(dialog_, IDC_SUCHEN_VNAMEN);
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(kColumns[i].caption);
        column.cx = kColumns[i].width;
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    SendMessageA(list, LVM_SETCOLUMNWIDTH, kColumns.size() - 1, LVSCW_AUTOSIZE_USEHEADER);
    AddTip(dialog_, GetDlgItem(dialog_, IDC_SUCHEN_ANZAHL), kAnzahlTip);
    RECT window{};
    GetWindowRect(dialog_, &window);
    const TwipsRect size = ToTwips(dialog_, {0, 0, window.right - window.left, window.bottom - window.top});
    HDC screen = GetDC(dialog_);
    const ScreenDpi dpi{GetDeviceCaps(screen, LOGPIXELSX), GetDeviceCaps(screen, LOGPIXELSY)};
    ReleaseDC(dialog_, screen);
    const TwipsRect place = PlaceSearchWindow(search_->Owner(), size.right, size.bottom, dpi);
    SetWindowPos(dialog_, nullptr, Twips(dialog_, place.left, LOGPIXELSX, false),
                 Twips(dialog_, place.top, LOGPIXELSY, false), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    search_->Load();
    SetForegroundWindow(dialog_);
    SetFocus(GetDlgItem(dialog_, IDC_SUCHEN_TEXT1));
}

// Where the window stands when it is shown normally: a minimized window's own rectangle lies far off
// the screen (-32000), so its normal placement is kept instead. That one is in workspace coordinates,
// which start at the primary work area's corner.
TwipsRect Win32SuchenView::Place() const {
    RECT window{};
    GetWindowRect(dialog_, &window);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (IsIconic(dialog_) && GetWindowPlacement(dialog_, &placement)) {
        RECT area{};
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        window = placement.rcNormalPosition;
        OffsetRect(&window, area.left, area.top);
    }
    return ToTwips(dialog_, window);
}

void Win32SuchenView::ReadControls() {
    SuchenForm& form = search_->Form();
    form.Text1 = WindowText(GetDlgItem(dialog_, IDC_SUCHEN_TEXT1));
    form.bSteuerNr = IsDlgButtonChecked(dialog_, IDC_SUCHEN_BSTEUERNR) == BST_CHECKED;
    form.BErweitert = IsDlgButtonChecked(dialog_, IDC_SUCHEN_BERWEITERT) == BST_CHECKED;
    form.BWohnorte = IsDlgButtonChecked(dialog_, IDC_SUCHEN_BWOHNORTE) == BST_CHECKED;
    shown_.Text1 = form.Text1;
    shown_.bSteuerNr = form.bSteuerNr;
    shown_.BErweitert = form.BErweitert;
    shown_.BWohnorte = form.BWohnorte;
}

void Win32SuchenView::Command(int id) {
    switch (id) {
        case IDOK:  // Enter in the term field
        case IDC_SUCHEN_BSUCHEN:
            ReadControls();
            search_->SearchPressed();
            return;
        case IDCANCEL:  // Esc
        case IDC_SUCHEN_BABBRECHEN:
            search_->CancelPressed(Place());
            return;
        case IDC_SUCHEN_BHILFE:
            search_->HelpPressed();
            return;
    }
}

void Win32SuchenView::Notify(const NMHDR& header) {
    if (header.idFrom == IDC_SUCHEN_VNAMEN && header.code == LVN_COLUMNCLICK) {
        search_->HeaderClicked(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
    } else if (header.idFrom == IDC_SUCHEN_VNAMEN && header.code == NM_CLICK) {
        const auto row = SendMessageA(header.hwndFrom, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
        if (row >= 0) PostMessageA(dialog_, kRowReleasedMessage, static_cast<WPARAM>(row), 0);
    } else if (header.idFrom == IDC_SUCHEN_TABSTRIPS && header.code == NM_CLICK) {
        HWND term = GetDlgItem(dialog_, IDC_SUCHEN_TEXT1);
        if (IsWindowEnabled(term) && IsWindowVisible(term)) SetFocus(term);
    }
}

void Win32SuchenView::Update(const SuchenForm& form) {
    if (!dialog_) return;
    HWND term = GetDlgItem(dialog_, IDC_SUCHEN_TEXT1);
    if (form.history != shown_.history) {
        SendMessageA(term, CB_RESETCONTENT, 0, 0);
        for (const std::string& name : form.history) SendMessageA(term, CB_ADDSTRING, 0, LPARAM(name.c_str()));
        shown_.history = form.history;
        shown_.Text1 = "\n";  // the reset may have cleared the field
    }
    if (form.Text1 != shown_.Text1 && form.Text1 != WindowText(term)) SetWindowTextA(term, form.Text1.c_str());
    shown_.Text1 = form.Text1;
    const struct {
        int id;
        bool checked;
        bool& was;
    } boxes[] = {{IDC_SUCHEN_BSTEUERNR, form.bSteuerNr, shown_.bSteuerNr},
                 {IDC_SUCHEN_BERWEITERT, form.BErweitert, shown_.BErweitert},
                 {IDC_SUCHEN_BWOHNORTE, form.BWohnorte, shown_.BWohnorte}};
    for (const auto& box : boxes) {
        if (box.checked != IsDlgButtonChecked(dialog_, box.id)) CheckDlgButton(dialog_, box.id, box.checked);
        box.was = box.checked;
    }
    const struct {
        int id;
        bool enabled;
    } enabled[] = {{IDC_SUCHEN_TEXT1, form.Text1Enabled},
                   {IDC_SUCHEN_BERWEITERT, form.optionsEnabled},
                   {IDC_SUCHEN_BWOHNORTE, form.optionsEnabled},
                   {IDC_SUCHEN_BSUCHEN, form.BSuchenEnabled}};
    for (const auto& control : enabled) {
        HWND window = GetDlgItem(dialog_, control.id);
        if (!IsWindowEnabled(window) != !control.enabled) EnableWindow(window, control.enabled);
    }
    HWND bar = GetDlgItem(dialog_, IDC_SUCHEN_PBAR);
    if (form.PBar != shown_.PBar) SendMessageA(bar, PBM_SETPOS, WPARAM(form.PBar), 0);
    if (form.PBarVisible != shown_.PBarVisible) ShowWindow(bar, form.PBarVisible ? SW_SHOW : SW_HIDE);
    shown_.PBar = form.PBar;
    shown_.PBarVisible = form.PBarVisible;
    if (form.Anzahl != shown_.Anzahl) SetDlgItemTextA(dialog_, IDC_SUCHEN_ANZAHL, form.Anzahl.c_str());
    shown_.Anzahl = form.Anzahl;
    ShowRows(form);
    if (form.Timer1 != timerOn_) {
        if (form.Timer1) SetTimer(dialog_, kTimer1, kTimer1Milliseconds, nullptr);
        else KillTimer(dialog_, kTimer1);
        timerOn_ = form.Timer1;
    }
    if (form.termFocus != shown_.termFocus) {
        SetFocus(term);
        SendMessageA(term, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        shown_.termFocus = form.termFocus;
    }
}

// Rows are added as the scan finds them; a cleared or sorted list is filled anew.
void Win32SuchenView::ShowRows(const SuchenForm& form) {
    HWND list = GetDlgItem(dialog_, IDC_SUCHEN_VNAMEN);
    if (form.listGeneration != shown_.listGeneration) {
        SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
        rowsShown_ = 0;
        shown_.listGeneration = form.listGeneration;
    }
    if (rowsShown_ == form.VNamen.size()) return;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (; rowsShown_ < form.VNamen.size(); ++rowsShown_)
        InsertRow(list, static_cast<int>(rowsShown_), form.VNamen[rowsShown_]);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, FALSE);
}

void Win32SuchenView::Close() {
    if (dialog_) EndDialog(dialog_, IDCANCEL);
}

std::optional<ObjekteEntry> Win32SuchenView::TrackObjekte(const ObjekteMenu& menu) {
    const Menu popup(CreatePopupMenu());
    if (!popup) return std::nullopt;
    for (std::size_t i = 0; i < kObjekteItems.size(); ++i) {
        const UINT state = menu.Enabled(kObjekteItems[i].entry) ? MF_ENABLED : MF_GRAYED;
        AppendMenuA(popup.get(), MF_STRING | state, IDM_SUCHEN_OBJEKTE + i, menu.Caption(kObjekteItems[i]).c_str());
    }
    POINT at{};
    GetCursorPos(&at);
    SetForegroundWindow(dialog_);
    const int chosen = TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_NONOTIFY,
                                      at.x, at.y, 0, dialog_, nullptr);
    if (chosen < IDM_SUCHEN_OBJEKTE || chosen >= IDM_SUCHEN_OBJEKTE + static_cast<int>(kObjekteItems.size()))
        return std::nullopt;
    return kObjekteItems[static_cast<std::size_t>(chosen - IDM_SUCHEN_OBJEKTE)].entry;
}

}  // namespace kolvane
