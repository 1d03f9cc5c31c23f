#include "hub/hint_message.h"

namespace kolvane {

void HintMessage(Hub& hub, const std::string& text) {
    hub.settings.WriteText(Setting::Infotip, text);
    StartComponent(hub, kHintfeed, kShowHintSwitch, ShowState::Normal);
}

}  // namespace kolvane
