#include "hub/watched_start.h"
#include "launcher/launch.h"
#include "launcher/special_launches.h"
#include "hub/let_events_run.h"

namespace kolvane {
namespace {

constexpr char kCleanSwitch[] = "/clean";
constexpr char kRestoreSwitch[] = "/restore";
// Cleaning the shared folder takes seconds; a run that takes longer than this has hung or waits for the user.
constexpr double kCleanMaxSeconds = 120.0;

constexpr char kCleanNotEnded[] =
    "Die Dropbox-Synchronisierung wurde nicht fortgesetzt, weil die Bereinigung nicht rechtzeitig beendet "
    "wurde.\n"
    "Bitte starten Sie die Dropbox-Synchronisierung später noch einmal.";

}  // namespace

// The restore reads the folder that the clean run works on: it starts only once that run has ended.
void LaunchDropboxSync(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    if (ProgramFileExists(hub, std::string(row.program)) &&
        !StartAndAwait(hub, ComponentCommandLine(hub, row.program, kCleanSwitch), ShowState::Normal,
                       kCleanMaxSeconds)) {
        Message(hub, kCleanNotEnded, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    LetEventsRun(hub);
    StandardLaunch(hub, row.program, kRestoreSwitch, chosen);
}

}  // namespace kolvane
