#include "hub/tray_icon.h"

namespace kolvane {

namespace {

constexpr std::size_t kBalloonTitleMax = 63;
constexpr std::size_t kBalloonTextMax = 255;

}  // namespace

void AddTrayIcon(Hub& hub) { hub.os.tray.Add(TrayPicture::Starting, kTrayTip); }

void ShowReadyIcon(Hub& hub) {
    hub.symbolTag = "1";
    hub.os.tray.Modify(TrayPicture::Ready, kTrayTip);
}

void RemoveTrayIcon(Hub& hub) { hub.os.tray.Remove(); }

void ShowTrayBalloon(Hub& hub, const std::string& title, const std::string& text, BalloonIcon icon) {
    hub.os.tray.ShowBalloon(title.substr(0, kBalloonTitleMax), text.substr(0, kBalloonTextMax), icon);
}

void OnTaskbarCreated(Hub& hub) { hub.os.tray.Restore(); }

}  // namespace kolvane
