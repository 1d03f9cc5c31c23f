#include "launcher/admin_rights.h"

#include "hub/busy_pointer.h"
#include "settings/registry_keys.h"
#include "settings/registry_store.h"

namespace kolvane {

namespace {

// Programs outside the "*.EXE" listing that run elevated as well.
constexpr const char* kAlsoMarked[] = {"UPDCTRL.DLL",  "UPDBUNDL.DLL", "UPDINFL.DLL",
                                       "HUBAGENT.EXE", "DATASAFE.EXE", "CLOSEALL.EXE"};

void Mark(Hub& hub, const std::string& program) {
    std::string path = ProgramFile(hub, program);
    std::string existing;
    const RegKeyPath& key = kAppCompatLayersKey;
    if (!RegGetSetting(hub.os.registry, hub.os.kernel, key.root, key.path, path, existing))
        RegSetSetting(hub.os.registry, key.root, key.path, path, std::string(kRunAsAdminLayer));
}

}  // namespace

void AdminRechte(Hub& hub) {
    BusyPointer busy(hub.os.windows, MousePointer::Hourglass);
    for (const std::string& program : hub.os.files.List(hub.programFolder, "*.EXE")) {
        Mark(hub, program);
        hub.os.clock.Pump(0);
    }
    for (const char* program : kAlsoMarked)
        if (ProgramFileExists(hub, program)) Mark(hub, program);
    hub.settings.WriteInt(Setting::RunAdmin, 2);
}

}  // namespace kolvane
