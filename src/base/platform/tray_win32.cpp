#include "platform/tray_win32.h"

#include <algorithm>
#include <cstddef>

namespace kolvane {

namespace {

// The record ends after dwInfoFlags (no guidItem, no hBalloonIcon): the layout of shell version 5.
constexpr DWORD kRecordSize = NOTIFYICONDATAA_V2_SIZE;
#if defined(__i386__)
static_assert(kRecordSize == 488, "the 32-bit record must keep the size the shell of every Windows accepts");
#endif

static_assert(static_cast<DWORD>(BalloonIcon::Info) == NIIF_INFO &&
              static_cast<DWORD>(BalloonIcon::Warning) == NIIF_WARNING &&
              static_cast<DWORD>(BalloonIcon::Error) == NIIF_ERROR);

constexpr UINT kIconId = 2;
constexpr UINT kAddFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;  // 23, as the first record always was
constexpr UINT kStartTimeout = 10;
constexpr DWORD kStartInfoFlags = 4;
constexpr UINT kBalloonTimeout = 8;

// Copies text into a fixed field, cut so that the terminating NUL still fits.
template <std::size_t N>
void CopyField(char (&field)[N], const std::string& text) {
    std::size_t length = std::min(text.size(), N - 1);
    std::copy_n(text.data(), length, field);
    field[length] = '\0';
}

}  // namespace

Win32Tray::Win32Tray(HWND target, UINT callbackMessage, HICON starting, HICON ready)
    : starting_(starting), ready_(ready) {
    record_.cbSize = kRecordSize;
    record_.hWnd = target;
    record_.uID = kIconId;
    record_.uCallbackMessage = callbackMessage;
}

Win32Tray::~Win32Tray() {
    if (shown_) Remove();
}

bool Win32Tray::Add(TrayPicture picture, const std::string& tip) {
    SetPicture(picture, tip);
    record_.uFlags = kAddFlags;
    record_.szInfo[0] = '\0';
    record_.uTimeout = kStartTimeout;
    record_.dwInfoFlags = kStartInfoFlags;
    // Counts as shown even when the shell has no task bar yet (a start at log-on): Restore brings the
    // icon once the task bar announces itself.
    shown_ = true;
    return Send(NIM_ADD);
}

bool Win32Tray::Modify(TrayPicture picture, const std::string& tip) {
    SetPicture(picture, tip);
    // Without NIF_INFO: a new picture must not bring back the last balloon.
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    return Send(NIM_MODIFY);
}

bool Win32Tray::ShowBalloon(const std::string& title, const std::string& text, BalloonIcon icon) {
    CopyField(record_.szInfoTitle, title);
    CopyField(record_.szInfo, text);
    record_.uTimeout = kBalloonTimeout;
    record_.dwInfoFlags = static_cast<DWORD>(icon);
    record_.uFlags = NIF_INFO;
    return Send(NIM_MODIFY);
}

bool Win32Tray::Remove() {
    shown_ = false;
    return Send(NIM_DELETE);
}

bool Win32Tray::Restore() {
    if (!shown_) return false;
    // Without NIF_INFO: the new task bar must not show the last balloon again.
    record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    return Send(NIM_ADD);
}

bool Win32Tray::Send(DWORD command) { return ::Shell_NotifyIconA(command, &record_) != FALSE; }

void Win32Tray::SetPicture(TrayPicture picture, const std::string& tip) {
    record_.hIcon = picture == TrayPicture::Ready ? ready_ : starting_;
    CopyField(record_.szTip, tip);
}

}  // namespace kolvane
