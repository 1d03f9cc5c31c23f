#include "options/options_dialog_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "hub/tray_symbol_window_win32.h"
#include "platform/handle_win32.h"
#include "platform/window_text_win32.h"
#include "options/options_resource.h"

namespace kolvane {
namespace {

// The controls of the pages are created at run time; their child ids are their rows in the control table.
constexpr int kFirstControlId = 1000;
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT_PTR kTimerTooltipps = 2;
constexpr UINT kTimer1Interval = 1000;
constexpr UINT kTooltippsInterval = 1500;
constexpr UINT kActivated = WM_APP + 1;   // the password after the window came to the front
constexpr UINT kSwitchPage = WM_APP + 2;  // wParam: 1 backwards

using Hook = UniqueHandle<ValueHandleTraits<HHOOK, ::UnhookWindowsHookEx>>;

// ---- layout of a page, in dialog units ----

struct Place {
    int x = 0, y = 0, w = 0, h = 0;
};
constexpr int kMargin = 8;
constexpr int kTop = 6;
constexpr int kPageWidth = 308 - 2 * kMargin;
constexpr int kListDropHeight = 100;

int HeightOf(const OptionsControl& c) {
    switch (c.kind) {
        case CtlKind::Title: return 11;
        case CtlKind::Label: return 9;
        case CtlKind::Note: return 9 * c.lines;
        case CtlKind::Check: return 10;
        case CtlKind::Button: return 13;
        default: return 12;
    }
}

// A control starts a line of its own, or sits beside (or in the place of) the one before it. The controls of
// a line are centred on its height; a label line sits close to the field under it.
std::array<Place, kControlCount> LayOut() {
    const auto all = AllControls();
    std::array<Place, kControlCount> at{};
    std::size_t lineStart = 0;
    int top = kTop;
    int page = 0;
    const auto closeLine = [&](std::size_t end) {
        if (lineStart == end) return;
        int height = 0;
        for (std::size_t i = lineStart; i < end; ++i) height = std::max(height, at[i].h);
        for (std::size_t i = lineStart; i < end; ++i) at[i].y = top + (height - at[i].h) / 2;
        const CtlKind kind = all[lineStart].kind;
        top += height + (kind == CtlKind::Label && end == lineStart + 1 ? 1 : kind == CtlKind::Title ? 6 : 3);
    };
    for (std::size_t i = 0; i < all.size(); ++i) {
        const OptionsControl& c = all[i];
        if (c.flow == Flow::Line) {
            closeLine(i);
            lineStart = i;
            if (c.page != page) page = c.page, top = kTop;
        }
        if (c.flow == Flow::Same) {
            at[i] = at[i - 1];
            continue;
        }
        const int x = c.flow == Flow::Beside ? at[i - 1].x + at[i - 1].w + 4 : kMargin;
        at[i] = {x, 0, c.width ? c.width : kMargin + kPageWidth - x, HeightOf(c)};
    }
    closeLine(all.size());
    return at;
}

// ---- the window ----

struct Optionen {
    Optionen(Hub& h, OptionsForm& f, HWND& s) : hub(&h), form(&f), shown(&s) {}
    Hub* hub;
    OptionsForm* form;
    HWND* shown;
    OptionsOutcome outcome = OptionsOutcome::Cancelled;
    std::array<HWND, kOptionPages> pages{};
    std::array<HWND, kControlCount> controls{};
    std::array<ControlState, kControlCount> onScreen{};  // what the controls show now
    Font bold;
};

HWND g_open = nullptr;  // for the keyboard hook: the window whose pages Ctrl+Tab turns

Optionen& OptionenOf(HWND dialog) { return *reinterpret_cast<Optionen*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

std::size_t RowOf(int id) { return static_cast<std::size_t>(id - kFirstControlId); }
bool IsTableId(int id) { return id >= kFirstControlId && RowOf(id) < kControlCount; }

HWND CreateControl(HINSTANCE instance, HWND page, const OptionsControl& c, Place p) {
    RECT r{p.x, p.y, p.x + p.w, p.y + p.h};
    MapDialogRect(page, &r);
    const char* windowClass = "STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    switch (c.kind) {
        case CtlKind::Title:
        case CtlKind::Label:
        case CtlKind::Note: style |= SS_LEFT; break;
        case CtlKind::Check: windowClass = "BUTTON", style |= BS_AUTOCHECKBOX | WS_TABSTOP; break;
        case CtlKind::Button: windowClass = "BUTTON", style |= BS_PUSHBUTTON | WS_TABSTOP; break;
        case CtlKind::Edit: windowClass = "EDIT", style |= ES_AUTOHSCROLL | WS_TABSTOP, exStyle = WS_EX_CLIENTEDGE; break;
        case CtlKind::List:
        case CtlKind::EditList:
            windowClass = "COMBOBOX";
            style |= (c.kind == CtlKind::List ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL) | WS_VSCROLL | WS_TABSTOP;
            r.bottom += MulDiv(kListDropHeight, r.bottom - r.top, p.h);
            break;
    }
    const std::string caption(c.caption);
    return CreateWindowExA(exStyle, windowClass, caption.c_str(), style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, page, reinterpret_cast<HMENU>(INT_PTR(kFirstControlId + Index(c.id))),
                           instance, nullptr);
}

// A page is only a container: its controls report to the window.
INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND) return FALSE;
    SendMessageA(GetParent(page), message, wParam, lParam);
    return TRUE;
}

void CreatePages(HWND dialog, Optionen& w, HINSTANCE instance) {
    const HWND tabs = GetDlgItem(dialog, IDC_OPTIONEN_TABSTRIP);
    for (const OptionsPage& page : kOptionsPages) {
        const std::string caption(page.caption);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(caption.c_str());
        SendMessageA(tabs, TCM_INSERTITEMA, &page - kOptionsPages.data(), LPARAM(&item));
    }
    RECT area;
    GetWindowRect(tabs, &area);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&area), 2);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, LPARAM(&area));
    const auto font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    LOGFONTA boldFont{};
    GetObjectA(font, sizeof boldFont, &boldFont);
    boldFont.lfWeight = FW_BOLD;
    w.bold.reset(CreateFontIndirectA(&boldFont));
    for (std::size_t page = 0; page < w.pages.size(); ++page) {
        w.pages[page] = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_OPTIONEN_PAGE), dialog, PageProc, 0);
        SetWindowPos(w.pages[page], HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_NOACTIVATE);
    }
    const auto places = LayOut();
    for (const OptionsControl& c : AllControls()) {
        const HWND control = CreateControl(instance, w.pages[static_cast<std::size_t>(c.page - 1)], c, places[Index(c.id)]);
        SendMessageA(control, WM_SETFONT, WPARAM(c.kind == CtlKind::Title ? w.bold.get() : font), FALSE);
        w.controls[Index(c.id)] = control;
    }
}

// ---- form to controls and back ----

void ShowControl(Optionen& w, const OptionsControl& c, bool always) {
    const ControlState& s = (*w.form)[c.id];
    ControlState& was = w.onScreen[Index(c.id)];
    if (!always && s == was) return;
    const HWND h = w.controls[Index(c.id)];
    switch (c.kind) {
        case CtlKind::Check: SendMessageA(h, BM_SETCHECK, s.value == 1 ? BST_CHECKED : BST_UNCHECKED, 0); break;
        case CtlKind::Edit: SetWindowTextA(h, s.text.c_str()); break;
        case CtlKind::Note:
            if (c.caption.empty()) SetWindowTextA(h, s.text.c_str());
            break;
        case CtlKind::Label:
        case CtlKind::Button:  // a caption the tools changed
            if (!s.text.empty()) SetWindowTextA(h, s.text.c_str());
            break;
        case CtlKind::List:
        case CtlKind::EditList:
            if (always || s.items != was.items) {
                SendMessageA(h, CB_RESETCONTENT, 0, 0);
                for (const std::string& item : s.items) SendMessageA(h, CB_ADDSTRING, 0, LPARAM(item.c_str()));
            }
            SendMessageA(h, CB_SETCURSEL, WPARAM(s.value), 0);
            if (c.kind == CtlKind::EditList && s.value < 0) SetWindowTextA(h, s.text.c_str());
            break;
        default: break;
    }
    EnableWindow(h, s.enabled);
    ShowWindow(h, s.shown ? SW_SHOWNA : SW_HIDE);
    was = s;
}

// Only what changed is drawn again, so that the ticks of the timers never make the window flicker.
void ShowForm(Optionen& w, bool always = false) {
    for (const OptionsControl& c : AllControls()) ShowControl(w, c, always);
}

void ReadForm(Optionen& w) {
    for (const OptionsControl& c : AllControls()) {
        ControlState& s = (*w.form)[c.id];
        const HWND h = w.controls[Index(c.id)];
        switch (c.kind) {
            case CtlKind::Check: s.value = SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; break;
            case CtlKind::Edit: s.text = WindowTextOf(h); break;
            case CtlKind::EditList: s.text = WindowTextOf(h); [[fallthrough]];
            case CtlKind::List: s.value = static_cast<int>(SendMessageA(h, CB_GETCURSEL, 0, 0)); break;
            default: break;
        }
        w.onScreen[Index(c.id)] = s;
    }
}

void ShowPage(HWND dialog, Optionen& w) {
    const std::size_t shown = static_cast<std::size_t>(w.form->page - 1);
    SendDlgItemMessageA(dialog, IDC_OPTIONEN_TABSTRIP, TCM_SETCURSEL, shown, 0);
    ShowWindow(w.pages[shown], SW_SHOW);
    for (std::size_t page = 0; page < w.pages.size(); ++page)
        if (page != shown) ShowWindow(w.pages[page], SW_HIDE);
}

void FocusOnForm(HWND dialog, Optionen& w) {
    if (!w.form->focus) return;
    const OptionsControl& c = ControlOf(*w.form->focus);
    if (c.page != w.form->page) {
        w.form->page = c.page;
        ShowPage(dialog, w);
    }
    PostMessageA(dialog, WM_NEXTDLGCTL, WPARAM(w.controls[Index(c.id)]), TRUE);
    w.form->focus.reset();
}

void TurnPage(HWND dialog, Optionen& w, int page) {
    ReadForm(w);
    OptionsShowPage(*w.form, page);
    ShowForm(w);
    ShowPage(dialog, w);
    FocusOnForm(dialog, w);
}

void ShowTooltip(HWND dialog, const OptionsForm& form) {
    ShowWindow(GetDlgItem(dialog, IDC_OPTIONEN_TOOLTIPPS), form.tooltipShown ? SW_SHOWNA : SW_HIDE);
    if (!form.tooltipTimer) KillTimer(dialog, kTimerTooltipps);
}

// ---- events ----

void Save(HWND dialog, Optionen& w) {
    ReadForm(w);
    if (const auto outcome = OptionsConfirm(*w.hub, *w.form)) {
        w.outcome = *outcome;
        EndDialog(dialog, IDOK);
        return;
    }
    ShowForm(w);
    FocusOnForm(dialog, w);
}

// A tool may have closed the window (a saving assistant, the restored settings, the new database folder).
void ShowOrClose(HWND dialog, Optionen& w) {
    if (w.form->closing) {
        w.outcome = *w.form->closing;
        EndDialog(dialog, IDCANCEL);
        return;
    }
    ShowForm(w);
    FocusOnForm(dialog, w);
}

void Run(HWND dialog, Optionen& w, Ctl c, OptionsEvent event) {
    ReadForm(w);
    OptionsOnEvent(*w.hub, *w.form, c, event);
    ShowOrClose(dialog, w);
}

void OnControl(HWND dialog, Optionen& w, Ctl c, int code) {
    const CtlKind kind = ControlOf(c).kind;
    std::optional<OptionsEvent> event;
    if ((kind == CtlKind::Check || kind == CtlKind::Button) && code == BN_CLICKED) event = OptionsEvent::Click;
    if ((kind == CtlKind::List || kind == CtlKind::EditList) && code == CBN_SELCHANGE) event = OptionsEvent::Change;
    if (kind == CtlKind::List && code == CBN_KILLFOCUS) event = OptionsEvent::FocusOut;
    if (kind == CtlKind::Edit && code == EN_KILLFOCUS) event = OptionsEvent::FocusOut;
    if (kind == CtlKind::Edit && code == EN_SETFOCUS) {
        if (OptionsSelectsAll(c)) PostMessageA(w.controls[Index(c)], EM_SETSEL, 0, -1);
        event = OptionsEvent::FocusIn;
    }
    if (event) Run(dialog, w, c, *event);
}

// Delete and Backspace in the PDF tool field ask before they act; the field keeps its text on "no".
LRESULT CALLBACK EraseKeys(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR dialog) {
    if (message == WM_KEYDOWN && (wParam == VK_DELETE || wParam == VK_BACK)) {
        Run(HWND(dialog), OptionenOf(HWND(dialog)), Ctl::TPdfViewer, OptionsEvent::Erase);
        return 0;
    }
    if (message == WM_CHAR && wParam == '\b') return 0;
    return DefSubclassProc(field, message, wParam, lParam);
}

void OnCommand(HWND dialog, Optionen& w, int id, int code) {
    if (IsTableId(id)) return OnControl(dialog, w, AllControls()[RowOf(id)].id, code);
    switch (id) {
        case IDOK: {
            // Enter in a field may walk on; a click on `BReady` has put the focus on it, and saves.
            const HWND focus = GetFocus();
            const int focused = focus ? GetDlgCtrlID(focus) : 0;
            if (IsTableId(focused)) {
                OptionsOnEvent(*w.hub, *w.form, AllControls()[RowOf(focused)].id, OptionsEvent::Enter);
                if (w.form->focus) return FocusOnForm(dialog, w);
            }
            return Save(dialog, w);
        }
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return;
        case IDC_OPTIONEN_BHILFE: OptionsHelp(*w.hub); return;
        case IDC_OPTIONEN_BOPTIONS:
            ReadForm(w);
            OptionsExtraMenu(*w.hub, *w.form);
            // After a tool of the menu (the password dialogs above all) the window goes on at `BReady`.
            PostMessageA(dialog, WM_NEXTDLGCTL, WPARAM(GetDlgItem(dialog, IDOK)), TRUE);
            return ShowOrClose(dialog, w);
        case IDC_OPTIONEN_TOOLTIPPS:
            if (code == STN_CLICKED) OptionsHideTooltip(*w.form), ShowTooltip(dialog, *w.form);
            return;
    }
}

void OnTimer(HWND dialog, Optionen& w, UINT_PTR timer) {
    if (timer == kTimer1) {
        OptionsTimer1Tick(*w.form);
        ShowForm(w);
        return;
    }
    OptionsTooltipTick(*w.form);
    ShowTooltip(dialog, *w.form);
}

void Initialise(HWND dialog, Optionen& w) {
    *w.shown = dialog;
    g_open = dialog;
    SetWindowTextA(dialog, kOptionenCaption);
    SetDlgItemTextA(dialog, IDC_OPTIONEN_TOOLTIPPS, kOptionsTooltip);
    CreatePages(dialog, w, reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)));
    SetWindowSubclass(w.controls[Index(Ctl::TPdfViewer)], EraseKeys, 0, DWORD_PTR(dialog));
    ShowForm(w, true);
    OptionsShowPage(*w.form, 1);
    w.form->focus.reset();  // the focus waits for the password and then goes to `BReady`
    ShowPage(dialog, w);
    if (w.form->timer1) SetTimer(dialog, kTimer1, kTimer1Interval, nullptr);
    if (w.form->tooltipTimer) SetTimer(dialog, kTimerTooltipps, kTooltippsInterval, nullptr);
    SetForegroundWindow(dialog);
}

INT_PTR CALLBACK OptionenProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        Initialise(dialog, OptionenOf(dialog));
        return FALSE;  // the focus waits for the password
    }
    if (!GetWindowLongPtrA(dialog, DWLP_USER)) return FALSE;
    Optionen& w = OptionenOf(dialog);
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && !w.form->passwordAsked) PostMessageA(dialog, kActivated, 0, 0);
            return FALSE;
        case kActivated:
            if (!OptionsActivated(*w.hub, *w.form)) EndDialog(dialog, IDCANCEL);
            else PostMessageA(dialog, WM_NEXTDLGCTL, WPARAM(GetDlgItem(dialog, IDOK)), TRUE);
            return TRUE;
        case kSwitchPage:
            TurnPage(dialog, w, (w.form->page + (wParam ? kOptionPages - 1 : 1) - 1) % kOptionPages + 1);
            return TRUE;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE)
                TurnPage(dialog, w, static_cast<int>(SendDlgItemMessageA(dialog, IDC_OPTIONEN_TABSTRIP, TCM_GETCURSEL, 0, 0)) + 1);
            return TRUE;
        case WM_COMMAND: OnCommand(dialog, w, LOWORD(wParam), HIWORD(wParam)); return TRUE;
        case WM_TIMER: OnTimer(dialog, w, wParam); return TRUE;
        case WM_SETCURSOR:  // the mouse over the help tip puts it away
            if (reinterpret_cast<HWND>(wParam) == GetDlgItem(dialog, IDC_OPTIONEN_TOOLTIPPS) && w.form->tooltipShown) {
                OptionsHideTooltip(*w.form);
                ShowTooltip(dialog, *w.form);
            }
            return FALSE;
        case WM_CONTEXTMENU:  // `BOptions` opens its menu with the right button too
            if (reinterpret_cast<HWND>(wParam) == GetDlgItem(dialog, IDC_OPTIONEN_BOPTIONS)) OnCommand(dialog, w, IDC_OPTIONEN_BOPTIONS, 0);
            return TRUE;
        case WM_DESTROY:
            g_open = nullptr;
            *w.shown = nullptr;
            return FALSE;
    }
    return FALSE;
}

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages, as in the system's own property sheets; the dialog's message loop
// offers every key to this filter first.
LRESULT CALLBACK PageKeys(int code, WPARAM wParam, LPARAM lParam) {
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && g_open && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB &&
        GetKeyState(VK_CONTROL) < 0 && (msg->hwnd == g_open || IsChild(g_open, msg->hwnd))) {
        SendMessageA(g_open, kSwitchPage, GetKeyState(VK_SHIFT) < 0, 0);
        return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

OptionsOutcome Win32OptionenView::ShowModal(Hub& hub, OptionsForm& form) {
    const TraySymbolWindow owner(instance_);
    const Hook keys(SetWindowsHookExA(WH_MSGFILTER, PageKeys, nullptr, GetCurrentThreadId()));
    Optionen window(hub, form, dialog_);
    DialogBoxParamA(instance_, MAKEINTRESOURCEA(IDD_OPTIONEN), owner.get(), OptionenProc, LPARAM(&window));
    return window.outcome;
}

void Win32OptionenView::BringToFront() {
    if (dialog_) SetForegroundWindow(dialog_);
}

}  // namespace kolvane
