#include "launcher/launch.h"
#include "launcher/special_launches.h"

namespace kolvane {
namespace {

constexpr char kPortalLoginPath[] = "/eportal/login/sicherheitsstick";
// The advice centre's region: latitude, longitude, zoom 13, the normal layer.
constexpr char kMapQuery[] = "?map=52.4915,13.37865,13,normal";

void OpenPage(Hub& hub, const std::string& address) { hub.os.shell.Execute("open", address, "", "", ShowState::Normal); }

}  // namespace

void OpenTaxPortal(Hub& hub, const ComponentRow&, const MenuEntryRef&) {
    std::string address = hub.settings.ReadText(Setting::PortalUrl);
    while (!address.empty() && address.back() == '/') address.pop_back();
    OpenPage(hub, address + kPortalLoginPath);
}

// Without the route component the map page shows the way instead; the entry therefore stays enabled.
void LaunchRouteCalculation(Hub& hub, const ComponentRow& row, const MenuEntryRef&) {
    if (ProgramFileExists(hub, std::string(row.program)))
        hub.os.shell.StartProcess(ComponentCommandLine(hub, row.program, row.switches), ShowState::Normal);
    else
        OpenPage(hub, hub.settings.ReadText(Setting::MapUrl) + kMapQuery);
}

}  // namespace kolvane
