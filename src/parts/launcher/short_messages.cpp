#include "launcher/launch.h"
#include "launcher/special_launches.h"
#include "hub/let_events_run.h"

namespace kolvane {
namespace {

// The writer sets `Quickload` once it has loaded; until then `Quickwrite` stays 0 so that it opens empty.
constexpr int kLoadPasses = 30;
constexpr double kPassSeconds = 1.0;

}  // namespace

void LaunchShortMessages(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    const bool quickwrite = hub.settings.ReadInt(Setting::Quickwrite) == 1;
    hub.settings.WriteInt(Setting::Quickwrite, 0);
    hub.settings.Delete(Setting::Quickload);
    // A writer that was not started never reports: there is nothing to wait for.
    if (StandardLaunch(hub, row.program, row.switches, chosen)) {
        for (int pass = 0; pass < kLoadPasses; ++pass) {
            LetEventsRun(hub);
            Wait(hub, kPassSeconds);
            if (hub.settings.Exists(Setting::Quickload)) break;
        }
    }
    hub.settings.WriteInt(Setting::Quickwrite, quickwrite ? 1 : 0);
}

}  // namespace kolvane
