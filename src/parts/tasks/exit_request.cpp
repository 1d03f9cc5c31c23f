#include "tasks/exit_request.h"

#include <algorithm>

#include "hub/shutdown.h"
#include "hub/tray_icon.h"
#include "hub/let_events_run.h"

namespace kolvane {
namespace {

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The help topic the requesting program wants shown once the suite is gone. The id lands on a command
// line, so only a topic number is taken; anything else is ignored.
void OpenRequestedHelpTopic(Hub& hub) {
    const std::string id = hub.os.ini.Read(DatabaseFile(hub, "EXIT.SUB"), "HELPID", "ChmFileID");
    if (!AllDigits(id) || !ProgramFileExists(hub, "Orvintal.chf")) return;
    StartComponent(hub, "HELPVIEW.EXE", " " + ProgramFile(hub, "Orvintal.chf") + "," + id, ShowState::Normal);
}

}  // namespace

void ExitRequestTick(Hub& hub) {
    if (!DatabaseFileExists(hub, "EXIT.SUB")) return;
    NoteCloseRequest(hub, "Datei EXIT.SUB");
    OpenRequestedHelpTopic(hub);
    LetEventsRun(hub);
    EnableTimer(hub, HubTimer::Timer5, false);
    RemoveTrayIcon(hub);
    LetEventsRun(hub);
    StartComponent(hub, "HINTFEED.EXE", " /b", ShowState::Normal);
    StartComponent(hub, "CLOSEALL.EXE", "", ShowState::Normal);
    LetEventsRun(hub);
    ExitCommand(hub);
}

}  // namespace kolvane
