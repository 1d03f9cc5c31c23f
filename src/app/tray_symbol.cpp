#include "app/tray_symbol.h"

#include "app/splash.h"
#include "launcher/hub_menu.h"
#include "launcher/launch.h"

namespace kolvane {

namespace {

constexpr std::size_t kBalloonTitleMax = 63;
constexpr std::size_t kBalloonTextMax = 255;

bool StartComplete(const Hub& hub) { return hub.symbolTag == "1"; }

}  // namespace

void ShowSplash(Hub& hub) {
    SplashView* view = hub.splashView;
    if (!view) return;
    if (!view->Loaded()) view->Load(LoadSplashForm(hub));
    view->Show();
}

void UnloadSplash(Hub& hub) {
    if (hub.splashView && hub.splashView->Loaded()) hub.splashView->Unload();
}

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

void OnSymbolMouse(Hub& hub, int lParam) {
    if (lParam != kSymbolLeftPress && lParam != kSymbolRightPress) return;
    bool left = lParam == kSymbolLeftPress;
    if (StartComplete(hub)) {
        ShowHubMenu(hub, left);
    } else if (left && !WindowExists(hub, kHintfeedCaption)) {
        // While the hub is still starting, the info component tells the user so (once: its window stays).
        StartComponent(hub, "HINTFEED.EXE", " /a", ShowState::Normal);
    }
}

}  // namespace kolvane
