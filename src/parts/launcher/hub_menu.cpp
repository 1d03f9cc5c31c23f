#include "launcher/hub_menu.h"

#include <algorithm>
#include <vector>

#include "hub/flag_scope.h"
#include "password/access_gate.h"
#include "launcher/menu_dispatch.h"
#include "hub/let_events_run.h"

namespace kolvane {
namespace {

struct Attached {
    const Hub* hub;
    HubMenu* menu;  // cppcheck-suppress unusedStructMember ; read by MenuOf
};

std::vector<Attached>& AttachedMenus() {
    static std::vector<Attached> attached;
    return attached;
}

}  // namespace

MenuAttachment::MenuAttachment(const Hub& hub, HubMenu& menu) : hub_(hub) {
    AttachedMenus().push_back({&hub, &menu});
}

MenuAttachment::~MenuAttachment() {
    std::erase_if(AttachedMenus(), [this](const Attached& a) { return a.hub == &hub_; });
}

HubMenu* MenuOf(const Hub& hub) {
    const std::vector<Attached>& attached = AttachedMenus();
    auto found = std::find_if(attached.begin(), attached.end(), [&](const Attached& a) { return a.hub == &hub; });
    return found == attached.end() ? nullptr : found->menu;
}

MenuLayout ReadMenuLayout(const Hub& hub) {
    const Settings& s = hub.settings;
    return {s.ReadInt(Setting::Steuererklaerung), s.ReadInt(Setting::Explorer),      s.ReadInt(Setting::Drucker),
            s.ReadInt(Setting::Dienststellen),    s.ReadInt(Setting::Bibliothek),    s.ReadInt(Setting::Beitraege),
            s.ReadInt(Setting::Versetzung)};
}

void BuildMenu(Hub& hub, const MenuLayout& layout) {
    HubMenu* menu = MenuOf(hub);
    if (!menu) return;
    menu->mnuBeitragskonten = kContributionsAdministration;
    BuildPopup(hub, layout, menu->popup, menu->printers);
}

void HideMenuEntry(Hub&, const std::string&) {}

bool Kennwoerter(Hub& hub) {
    if (!PassAccessGate(hub, hub.accessGate)) return false;
    LetEventsRun(hub);
    hub.os.windows.SetForeground(hub.Root);
    LetEventsRun(hub);
    return true;
}

int Menueanzeige(Hub&, HubMenu& menu) { return menu.popupView ? menu.popupView->Track(menu.popup) : 0; }

// A press while another is still passing the password or has the popup open does nothing: the popup is
// shown once, and nothing gets past an unanswered prompt. The chosen entry runs after the popup has closed,
// so that the icon answers again while the action waits.
void ShowHubMenu(Hub& hub, bool leftButton) {
    HubMenu* menu = MenuOf(hub);
    if (!menu || menu->opening) return;
    const int quickAction = leftButton ? hub.settings.ReadInt(Setting::Maustaste) : 0;
    int chosen = 0;
    {
        FlagScope opening(menu->opening);
        if (!Kennwoerter(hub)) return;
        if (quickAction == 0) chosen = Menueanzeige(hub, *menu);
    }
    if (quickAction != 0) RunQuickAction(hub, *menu, quickAction);
    else if (chosen != 0) cP_Click(hub, *menu, chosen);
}

}  // namespace kolvane
