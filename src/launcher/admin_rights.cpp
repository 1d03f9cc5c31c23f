#include "launcher/admin_rights.h"

namespace kolvane {

namespace {

// Programs outside the "*.EXE" listing that run elevated as well.
constexpr const char* kAlsoMarked[] = {"UPDCTRL.DLL",  "UPDBUNDL.DLL", "UPDINFL.DLL",
                                       "HUBAGENT.EXE", "DATASAFE.EXE", "CLOSEALL.EXE"};

void Mark(Hub& hub, const std::string& program) {
    std::string path = ProgramFile(hub, program);
    std::string existing;
    if (!RegGetSetting(hub.os.registry, hub.os.kernel, RegRoot::LocalMachine, kLayersKey, path, existing))
        RegSetSetting(hub.os.registry, RegRoot::LocalMachine, kLayersKey, path, std::string(kRunAsAdmin));
}

}  // namespace

void AdminRechte(Hub& hub) {
    for (const std::string& program : hub.os.files.List(hub.programFolder, "*.EXE")) {
        Mark(hub, program);
        hub.os.clock.Pump(0);
    }
    for (const char* program : kAlsoMarked)
        if (ProgramFileExists(hub, program)) Mark(hub, program);
    hub.settings.WriteInt(Setting::RunAdmin, 2);
}

}  // namespace kolvane
