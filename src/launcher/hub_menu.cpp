#include "launcher/hub_menu.h"

namespace kolvane {

MenuLayout ReadMenuLayout(Hub& hub) {
    const Settings& s = hub.settings;
    return {s.ReadInt(Setting::Steuererklaerung), s.ReadInt(Setting::Explorer),      s.ReadInt(Setting::Drucker),
            s.ReadInt(Setting::Dienststellen),    s.ReadInt(Setting::Bibliothek),    s.ReadInt(Setting::Beitraege),
            s.ReadInt(Setting::Versetzung)};
}

void BuildMenu(Hub&, const MenuLayout&) {}

void HideMenuEntry(Hub&, const std::string&) {}

void ShowHubMenu(Hub&, bool) {}

}  // namespace kolvane
