#pragma once
// The notification-area icon of the hub. Implemented by tray_win32.cpp (Shell_NotifyIconA) and tray_memory.cpp.
#include <string>

namespace kolvane {

enum class TrayPicture { Starting, Ready };
enum class BalloonIcon { None = 0, Info = 1, Warning = 2, Error = 3 };

class Tray {
public:
    virtual ~Tray() = default;
    virtual bool Add(TrayPicture picture, const std::string& tip) = 0;
    virtual bool Modify(TrayPicture picture, const std::string& tip) = 0;
    virtual bool ShowBalloon(const std::string& title, const std::string& text, BalloonIcon icon) = 0;
    virtual bool Remove() = 0;
    // The task bar was created anew (Explorer restarted) and knows no icons: shows the icon again with its
    // picture and tip, without the last balloon. Nothing happens before Add or after Remove.
    virtual bool Restore() = 0;
};

}  // namespace kolvane
