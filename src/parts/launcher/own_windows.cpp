#include "hub/shutdown.h"
#include "launcher/about_box.h"
#include "options/settings_action.h"
#include "launcher/special_launches.h"
#include "search/member_search.h"
#include "members/sender_data.h"

namespace kolvane {

// One search window at a time: a second choice brings the open one to the front.
void OpenMemberSearch(Hub& hub, const ComponentRow&, const MenuEntryRef&) {
    WindowId open = hub.os.windows.Find(std::nullopt, kMemberSearchCaption);
    if (open != kNoWindow) hub.os.windows.SetForeground(open);
    else ShowMemberSearch(hub);
}

void OpenSenderData(Hub& hub, const ComponentRow&, const MenuEntryRef&) { ShowSenderData(hub); }

void OpenSettings(Hub& hub, const ComponentRow&, const MenuEntryRef&) { RunSettingsAction(hub); }

void OpenAboutBox(Hub& hub, const ComponentRow&, const MenuEntryRef&) { ShowAboutBox(hub); }

void EndHub(Hub& hub, const ComponentRow&, const MenuEntryRef&) { ExitCommand(hub); }

}  // namespace kolvane
