#include "hub/tray_symbol_window_win32.h"

#include "hub/hub.h"

namespace kolvane {

namespace {

constexpr char kTraySymbolCaption[] = "Brekkan Orvintalº ";
constexpr int kTwipsPerPixel = 15;

}  // namespace

TraySymbolWindow::TraySymbolWindow(HINSTANCE instance)
    : window_(CreateWindowExA(WS_EX_APPWINDOW, kHubClass, kTraySymbolCaption, WS_OVERLAPPED | WS_CAPTION,
                              GetSystemMetrics(SM_CXSCREEN) - 4000 / kTwipsPerPixel,
                              GetSystemMetrics(SM_CYSCREEN) + 2000 / kTwipsPerPixel, 240, 60, nullptr, nullptr,
                              instance, nullptr)) {
    if (window_) ShowWindow(window_, SW_SHOWNOACTIVATE);
}

TraySymbolWindow::~TraySymbolWindow() {
    if (window_) DestroyWindow(window_);
}

}  // namespace kolvane
