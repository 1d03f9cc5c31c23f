#include "platform/dialogs_win32.h"

#include <winspool.h>

#include "platform/input_box_resource.h"
#include "platform/window_text_win32.h"

namespace kolvane {

namespace {

struct ButtonStyle {
    MsgButtons buttons;
    UINT flags;
};
constexpr ButtonStyle kButtonStyles[] = {
    {MsgButtons::Ok, MB_OK},
    {MsgButtons::OkCancel, MB_OKCANCEL},
    {MsgButtons::YesNo, MB_YESNO},
    {MsgButtons::YesNoCancel, MB_YESNOCANCEL},
    {MsgButtons::RetryCancel, MB_RETRYCANCEL},
};

struct IconStyle {
    MsgIcon icon;
    UINT flags;
};
constexpr IconStyle kIconStyles[] = {
    {MsgIcon::None, 0},
    {MsgIcon::Critical, MB_ICONHAND},
    {MsgIcon::Question, MB_ICONQUESTION},
    {MsgIcon::Exclamation, MB_ICONEXCLAMATION},
    {MsgIcon::Information, MB_ICONASTERISK},
};

struct AnswerOf {
    int id;
    MsgAnswer answer;
};
constexpr AnswerOf kAnswers[] = {
    {IDOK, MsgAnswer::Ok}, {IDCANCEL, MsgAnswer::Cancel}, {IDYES, MsgAnswer::Yes},
    {IDNO, MsgAnswer::No}, {IDRETRY, MsgAnswer::Retry},
};

struct InputBox {
    const InputBoxRequest* request;
    std::string answer;
};

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = reinterpret_cast<InputBox*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            box = reinterpret_cast<InputBox*>(lParam);
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            SetWindowTextA(dialog, box->request->title.c_str());
            SetDlgItemTextA(dialog, IDC_INPUTBOX_PROMPT, box->request->prompt.c_str());
            SetDlgItemTextA(dialog, IDC_INPUTBOX_TEXT, box->request->defaultText.c_str());
            if (box->request->hidden) SendDlgItemMessageA(dialog, IDC_INPUTBOX_TEXT, EM_SETPASSWORDCHAR, '*', 0);
            SetForegroundWindow(dialog);
            SendMessageA(dialog, WM_NEXTDLGCTL, WPARAM(GetDlgItem(dialog, IDC_INPUTBOX_TEXT)), TRUE);
            return FALSE;  // the focus is set, on the field with its text selected
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                box->answer = ItemText(dialog, IDC_INPUTBOX_TEXT);
                EndDialog(dialog, IDOK);
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

BOOL CALLBACK TakeFrontWindow(HWND window, LPARAM found) {
    if (!::IsWindowVisible(window) || !::IsWindowEnabled(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;  // the windows come in their order on screen, the front one first
}

UINT FlagsOf(const MessageBoxRequest& request) {
    UINT flags = MB_SETFOREGROUND;
    for (const auto& style : kButtonStyles)
        if (style.buttons == request.buttons) flags |= style.flags;
    for (const auto& style : kIconStyles)
        if (style.icon == request.icon) flags |= style.flags;
    return flags;
}

}  // namespace

HWND Win32Dialogs::Owner() const {
    if (const HWND active = ::GetActiveWindow()) return active;
    HWND front = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), TakeFrontWindow, reinterpret_cast<LPARAM>(&front));
    return front ? front : owner_;
}

MsgAnswer Win32Dialogs::ShowMessage(const MessageBoxRequest& request) {
    int id = ::MessageBoxA(Owner(), request.text.c_str(), request.title.c_str(), FlagsOf(request));
    for (const auto& answer : kAnswers)
        if (answer.id == id) return answer.answer;
    // A box that could not be shown answers as if it had been cancelled: nothing is done on its behalf.
    return MsgAnswer::Cancel;
}

std::optional<std::string> Win32Dialogs::AskText(const InputBoxRequest& request) {
    InputBox box{&request, {}};
    // The template is a resource of the program; without it (a test program) no box can be shown.
    const INT_PTR result = ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_INPUTBOX),
                                             Owner(), InputBoxProc,
                                             reinterpret_cast<LPARAM>(&box));
    if (result != IDOK) return std::nullopt;
    return box.answer;
}

std::vector<std::string> Win32Dialogs::PrinterNames() {
    constexpr DWORD kFlags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    constexpr DWORD kLevel = 4;
    std::vector<std::string> names;
    DWORD needed = 0;
    DWORD count = 0;
    // A printer may be added between the two calls; then the size is asked again.
    for (;;) {
        std::vector<BYTE> buffer(needed);
        if (::EnumPrintersA(kFlags, nullptr, kLevel, buffer.data(), needed, &needed, &count)) {
            const auto* printers = reinterpret_cast<const PRINTER_INFO_4A*>(buffer.data());
            for (DWORD i = 0; i < count; ++i) names.emplace_back(printers[i].pPrinterName);
            return names;
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= buffer.size()) return names;
    }
}

namespace {

int CALLBACK AddFontName(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM names) {
    auto& list = *reinterpret_cast<std::vector<std::string>*>(names);
    // Each family once, though the printer lists it per character set.
    if (list.empty() || list.back() != font->lfFaceName) list.emplace_back(font->lfFaceName);
    return 1;
}

}  // namespace

std::vector<std::string> Win32Dialogs::DefaultPrinterFonts() {
    std::vector<std::string> names;
    char printer[256] = {};
    DWORD size = sizeof printer;
    if (!::GetDefaultPrinterA(printer, &size)) return names;
    const HDC context = ::CreateICA(nullptr, printer, nullptr, nullptr);
    if (!context) return names;
    LOGFONTA all{};
    all.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExA(context, &all, AddFontName, reinterpret_cast<LPARAM>(&names), 0);
    ::DeleteDC(context);
    return names;
}

}  // namespace kolvane
