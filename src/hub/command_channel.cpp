#include "hub/command_channel.h"

namespace kolvane {

void OnCommandText(Hub& hub, const std::string& text) {
    if (text == kCloseCommand) RunCloseSequence(hub);
}

void RunCloseSequence(Hub& hub) {
    hub.os.tray.Remove();
    hub.mutex.reset();
    hub.os.kernel.Terminate();
}

}  // namespace kolvane
