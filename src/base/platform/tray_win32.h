#pragma once
// The hub's icon in the notification area through Shell_NotifyIconA, with the record in the layout of
// shell version 5 (488 bytes in the 32-bit build) that the suite has always used.
#include <windows.h>
#include <shellapi.h>

#include "platform/tray.h"

namespace kolvane {

class Win32Tray final : public Tray {
public:
    // target receives callbackMessage for every mouse event on the icon. The icons are not owned: they
    // must live as long as this object.
    Win32Tray(HWND target, UINT callbackMessage, HICON starting, HICON ready);
    // An icon that is still shown is removed, so that it does not outlive the program.
    ~Win32Tray() override;
    Win32Tray(const Win32Tray&) = delete;
    Win32Tray& operator=(const Win32Tray&) = delete;

    bool Add(TrayPicture picture, const std::string& tip) override;
    bool Modify(TrayPicture picture, const std::string& tip) override;
    bool ShowBalloon(const std::string& title, const std::string& text, BalloonIcon icon) override;
    bool Remove() override;
    bool Restore() override;

private:
    bool Send(DWORD command);
    void SetPicture(TrayPicture picture, const std::string& tip);

    NOTIFYICONDATAA record_{};
    HICON starting_;
    HICON ready_;
    bool shown_ = false;
};

}  // namespace kolvane
