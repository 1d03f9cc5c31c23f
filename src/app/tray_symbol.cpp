#include "app/tray_symbol.h"

#include "app/splash.h"
#include "launcher/hub_menu.h"
#include "hub/hint_message.h"

namespace kolvane {

namespace {

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
