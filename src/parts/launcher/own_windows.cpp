#include "hub/shutdown.h"
#include "launcher/about_box.h"
#include "launcher/special_launches.h"
#include "members/sender_data_window.h"
#include "options/options_window.h"
#include "search/member_search_window.h"

namespace kolvane {

void OpenMemberSearch(Hub& hub, const ComponentRow&, const MenuEntryRef&) { ShowMemberSearch(hub); }

void OpenSenderData(Hub& hub, const ComponentRow&, const MenuEntryRef&) { ShowSenderData(hub); }

void OpenSettings(Hub& hub, const ComponentRow&, const MenuEntryRef&) { RunSettingsAction(hub); }

void OpenAboutBox(Hub& hub, const ComponentRow&, const MenuEntryRef&) { ShowAboutBox(hub); }

void EndHub(Hub& hub, const ComponentRow&, const MenuEntryRef&) {
    NoteCloseRequest(hub, "Menü Beenden");
    ExitCommand(hub);
}

}  // namespace kolvane
