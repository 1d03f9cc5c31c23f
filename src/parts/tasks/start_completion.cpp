#include "tasks/start_completion.h"

#include "hub/tray_icon.h"
#include "hub/hint_message.h"
#include "hub/let_events_run.h"

namespace kolvane {
namespace {

constexpr const char* kIndexHolderCaptions[] = {"Brekkan PictHelp IDE", "Brekkan MDB-Zahlungsdaten",
                                                "Brekkan Beitragskonten"};
constexpr char kIndexBuilderCaption[] = "Brekkan PictHelp IDE";

// `StartApp`: the component opened once the start is complete; other values open none.
struct StartAppEntry {
    int value;
    const char* program;
};
constexpr StartAppEntry kStartApps[] = {
    {1, "LINKPORT.EXE"},
    {2, "ACCOUNTS.EXE"},
    {3, "STATUSLS.EXE"},
    {4, "NOTEEDIT.EXE"},
};

bool IsNetworkFolder(const std::string& folder) { return folder.starts_with("\\\\"); }

bool AnyIndexHolderOpen(Hub& hub) {
    for (const char* caption : kIndexHolderCaptions)
        if (WindowExists(hub, caption)) return true;
    return false;
}

bool IndexSwitchedOn(Hub& hub) {
    std::int32_t indexInUse = 0;
    return hub.settings.Get(Setting::DB_IHP, indexInUse) && indexInUse == 1;
}

void StartConfiguredComponent(Hub& hub) {
    const std::int32_t choice = hub.settings.ReadInt(Setting::StartApp);
    for (const StartAppEntry& entry : kStartApps)
        if (entry.value == choice) StartComponent(hub, entry.program, "", ShowState::Normal);
}

}  // namespace

StartWait ComputeStartWait(Hub& hub) {
    StartWait wait = AnyIndexHolderOpen(hub) ? StartWait::Busy : StartWait::Ready;

    // A stored value that is no number, or another number, leaves the state as the windows set it.
    std::int32_t indexInUse = 0;
    if (!hub.settings.Exists(Setting::DB_IHP)) {
        wait = StartWait::Ready;
    } else if (hub.settings.Get(Setting::DB_IHP, indexInUse)) {
        if (indexInUse == 1) wait = StartWait::Ready;
        if (indexInUse == 0) wait = StartWait::Busy;
    }

    if (!DatabaseFileExists(hub, "DATEX.IHP")) wait = StartWait::NoIndex;
    else if (DatabaseFileExists(hub, "BUDGET.XML")) wait = StartWait::Ready;

    if (DatabaseFileExists(hub, "DATEX.CCP")) wait = StartWait::Busy;
    // Without the index builder and the contributions component there is nothing that could end the wait.
    if (!ProgramFileExists(hub, "PICTHELP.EXE") || !ProgramFileExists(hub, "FEEDESK.EXE")) wait = StartWait::Ready;
    return wait;
}

void CompleteStartTick(Hub& hub) {
    const StartWaitScope work(hub.startTiming, false);  // the timer's period before it was a wait, as is the next
    const StartWait wait = ComputeStartWait(hub);

    if (wait == StartWait::Ready) {
        EnableTimer(hub, HubTimer::Timer4, false);
        LetEventsRun(hub);
        StartConfiguredComponent(hub);
        LetEventsRun(hub);
        Wait(hub, kBriefWaitSeconds);
        LetEventsRun(hub);
    }

    // A local index that is switched on but missing is built by the picture-help component.
    if (wait == StartWait::NoIndex && !IsNetworkFolder(hub.LrDatabase) && IndexSwitchedOn(hub) &&
        !WindowExists(hub, kIndexBuilderCaption) && !DatabaseFileExists(hub, "DATEX.CCP") &&
        !DatabaseFileExists(hub, "DATEX.IHP"))
        StartComponent(hub, "PICTHELP.EXE", "", ShowState::Normal);

    if (wait != StartWait::Ready) {
        if (!WindowExists(hub, kHintfeedCaption)) StartComponent(hub, "HINTFEED.EXE", " /a", ShowState::Normal);
        LetEventsRun(hub);
        Wait(hub, kBriefWaitSeconds);
        return;
    }

    EnableTimer(hub, HubTimer::Timer4, false);
    hub.os.windows.SetPointer(MousePointer::Default);
    EnableTimer(hub, HubTimer::Timer2, true);
    EnableTimer(hub, HubTimer::Timer3, true);
    ShowReadyIcon(hub);  // the normal picture, and the symbol's tag "1": the menu may open
    hub.log.Write(hub.startTiming.ReadyLine());
}

}  // namespace kolvane
