#pragma once
// Wine's shell32 sends an icon record to the first window of the class "Shell_TrayWnd" as WM_COPYDATA, the
// NIM command in dwData, in this platform-independent form of NOTIFYICONDATAW. This is Wine's private
// format, so a task bar of a test's own that reads it works under Wine only, where the tests run.
#include <windows.h>

struct WineNotifyData {
    LONG hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    WCHAR szTip[128];
    DWORD dwState;
    DWORD dwStateMask;
    WCHAR szInfo[256];
    UINT uTimeout;
    WCHAR szInfoTitle[64];
    DWORD dwInfoFlags;
};
