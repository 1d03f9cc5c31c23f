#include "launcher/launch.h"

namespace kolvane {

std::string ComponentCommandLine(const Hub& hub, std::string_view program, std::string_view switches) {
    return "\"" + ProgramFile(hub, std::string(program)) + "\"" + std::string(switches);
}

bool StandardLaunch(Hub& hub, std::string_view program, std::string_view switches, const MenuEntryRef& chosen) {
    if (!ProgramFileExists(hub, std::string(program))) {
        chosen.Disable();
        return false;
    }
    return hub.os.shell.StartProcess(ComponentCommandLine(hub, program, switches), ShowState::Normal);
}

void StartUnchecked(Hub& hub, std::string_view program, std::string_view switches) {
    hub.os.shell.StartProcess(ComponentCommandLine(hub, program, switches), ShowState::Normal);
}

}  // namespace kolvane
