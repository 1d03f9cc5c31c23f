#include "app/splash_win32.h"

#include "app/splash_resource.h"
#include "platform/windows_win32.h"

namespace kolvane {

namespace {

// Without a title bar the caption is not shown; it names the window for the other programs and tests.
constexpr char kSplashCaption[] = "Orvintal";

struct SplashInit {
    const SplashForm* form;
    HFONT titleFont;
};

INT_PTR CALLBACK SplashProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* init = reinterpret_cast<const SplashInit*>(lParam);
        SetWindowTextA(dialog, kSplashCaption);
        SetDlgItemTextA(dialog, IDC_LNAME, init->form->LName.c_str());
        if (init->titleFont) SendDlgItemMessageA(dialog, IDC_STARTUP_TITLE, WM_SETFONT, WPARAM(init->titleFont), FALSE);
        return TRUE;
    }
    // The splash is what the user sees of a start: the busy pointer shows over it.
    if (message == WM_SETCURSOR && ShowChosenPointer()) {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);  // the labels keep it too
        return TRUE;
    }
    // The splash goes when the start says so, not on Alt+F4 or Escape.
    return message == WM_CLOSE || message == WM_COMMAND;
}

}  // namespace

Win32SplashView::Win32SplashView(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}

Win32SplashView::~Win32SplashView() { Unload(); }

void Win32SplashView::Load(const SplashForm& form) {
    Unload();
    titleFont_ = BoldHeadingFont(20);
    SplashInit init{&form, titleFont_.get()};
    window_ = CreateDialogParamA(instance_, MAKEINTRESOURCEA(IDD_STARTUP), owner_, SplashProc,
                                 reinterpret_cast<LPARAM>(&init));
}

void Win32SplashView::Show() {
    if (!window_) return;
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
}

void Win32SplashView::Unload() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
    titleFont_.reset();
}

}  // namespace kolvane
