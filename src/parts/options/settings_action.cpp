#include "options/settings_action.h"

#include <algorithm>

#include "options/options_dialog.h"

namespace kolvane {
namespace {

constexpr char kRestartFailed[] =
    "Orvintal konnte nicht neu gestartet werden.\n"
    "Die geänderte Menüanordnung wird beim nächsten Start von Orvintal wirksam.";

constexpr Setting kMenuLayout[] = {Setting::Steuererklaerung, Setting::Explorer,   Setting::Drucker,
                                   Setting::Dienststellen,    Setting::Bibliothek, Setting::Beitraege};
static_assert(std::size(kMenuLayout) == std::tuple_size_v<MenuLayoutValues>);

}  // namespace

MenuLayoutValues ReadMenuLayoutValues(Hub& hub) {
    MenuLayoutValues values{};
    std::transform(std::begin(kMenuLayout), std::end(kMenuLayout), values.begin(),
                   [&](Setting s) { return hub.settings.ReadInt(s); });
    return values;
}

// The caption changes first, so that the new instance finds its predecessor handing over; a start that fails
// leaves this hub running as it was, for closing now would leave the user without a hub.
bool RestartHub(Hub& hub, const std::string& handOverCaption) {
    hub.os.windows.SetText(hub.Root, handOverCaption);
    if (!StartComponent(hub, kHubProgram, "", ShowState::Normal)) {
        hub.os.windows.SetText(hub.Root, kHubCaption);
        Message(hub, kRestartFailed, MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    CloseHub(hub, "Neustart nach den Optionen");
    return true;
}

void RestartIfMenuLayoutChanged(Hub& hub, const MenuLayoutValues& before) {
    if (ReadMenuLayoutValues(hub) != before) RestartHub(hub, std::string(kRestartPrefix) + kHubCaption);
}

// When the save restarted the hub for the explorer's place, the new hub builds the menu anyway.
void RunSettingsAction(Hub& hub) {
    const MenuLayoutValues before = ReadMenuLayoutValues(hub);
    if (ShowOptionsDialog(hub) == OptionsOutcome::Restarting) return;
    RestartIfMenuLayoutChanged(hub, before);
}

}  // namespace kolvane
