#include "app/command_channel.h"

#include "hub/shutdown.h"
#include "app/tray_symbol.h"

namespace kolvane {

namespace {

constexpr HubTimer kTimersStoppedAtClose[] = {HubTimer::Timer1, HubTimer::Timer2, HubTimer::Timer3, HubTimer::Timer4};

void DeleteIfExists(Hub& hub, const std::string& path) {
    if (hub.os.files.Exists(path)) hub.os.files.Delete(path);
}

void PumpMessages(Hub& hub) { hub.os.clock.Pump(0); }

// The index of the contributions database lives only as long as the hub: the shared copy goes unless
// `NoKillIHP` keeps it, the program folder's copy always; with the index switched off (`DB_IHP` 0) the
// mark of its build, DATEX.CCP, goes too.
void RemoveContributionsIndex(Hub& hub) {
    std::int32_t keepShared = 0;
    if (!hub.settings.Get(Setting::NoKillIHP, keepShared) || keepShared != 1)
        DeleteIfExists(hub, DatabaseFile(hub, "DATEX.IHP"));
    DeleteIfExists(hub, ProgramFile(hub, "DATEX.IHP"));
    if (!hub.settings.Exists(Setting::DB_IHP)) return;
    std::int32_t before = -1;
    hub.settings.Get(Setting::DB_IHP, before);
    hub.settings.WriteText(Setting::DB_IHP, "1");
    if (before == 0) DeleteIfExists(hub, DatabaseFile(hub, "DATEX.CCP"));
}

}  // namespace

void OnCommandText(Hub& hub, const std::string& text) {
    if (text == kCloseCommand) RunCloseSequence(hub);
}

void RunCloseSequence(Hub& hub) {
    hub.settings.WriteText(Setting::Encoder, "0");
    hub.settings.WriteInt(Setting::NowClose, 1);
    RemoveContributionsIndex(hub);
    for (HubTimer timer : kTimersStoppedAtClose) EnableTimer(hub, timer, false);
    PumpMessages(hub);
    hub.os.windows.SetText(hub.Root, kSecondInstancePrefix + hub.os.windows.GetText(hub.Root));
    UnloadSplash(hub);
    RemoveTrayIcon(hub);
    PumpMessages(hub);
    EndProgram(hub);
}

}  // namespace kolvane
