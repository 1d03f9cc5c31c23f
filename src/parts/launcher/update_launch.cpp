#include "launcher/launch.h"
#include "launcher/special_launches.h"
#include "hub/let_events_run.h"
#include "tasks/update_check.h"

namespace kolvane {
namespace {

constexpr char kCompleteSwitch[] = " /a";
constexpr char kPackageSwitch[] = " /p";

// An old date in `Updates` makes the next start remind of the update search; in January the first of the
// year would be too recent for that.
void BackdateLastUpdate(Hub& hub) {
    const DateTime today = hub.os.clock.Now();
    const int year = today.month == 1 ? today.year - 1 : today.year;
    hub.settings.WriteText(Setting::Updates, "01.01." + std::to_string(year));
}

}  // namespace

void LaunchCompleteUpdate(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    if (ProgramFileExists(hub, std::string(row.program))) StartUnchecked(hub, row.program, row.switches);
    else StandardLaunch(hub, kOlderUpdateManager, kCompleteSwitch, chosen);
}

// The older manager knows no web pack: it gets the package update instead.
void LaunchWebpackUpdate(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    if (ProgramFileExists(hub, std::string(row.program))) {
        BackdateLastUpdate(hub);
        StartUnchecked(hub, row.program, row.switches);
        LetEventsRun(hub);
    } else if (ProgramFileExists(hub, kOlderUpdateManager)) {
        BackdateLastUpdate(hub);
        StartUnchecked(hub, kOlderUpdateManager, kPackageSwitch);
    } else {
        chosen.Disable();
    }
}

}  // namespace kolvane
