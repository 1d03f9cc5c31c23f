#include "tasks/case_folder_watch.h"

#include "hub/tray_icon.h"
#include "hub/let_events_run.h"

namespace kolvane {
namespace {

constexpr char kBalloonTitle[] = "Orvintal";
constexpr char kBalloonText[] =
    "Der Ordner für die Steuertipps® Steuerfälle konnte nicht gefunden werden. Möglicherweise ist derzeit der "
    "Zugriff auf das Verzeichnis nicht möglich. Überprüfen Sie die Einstellungen oder legen Sie den Datenträger "
    "ein.";
constexpr char kMessageText[] =
    "Der Ordner für die Steuertipps® Steuerfälle konnte nicht gefunden werden. \n"
    "Möglicherweise ist derzeit der Zugriff auf das Verzeichnis nicht möglich.\n"
    "Überprüfen Sie die Einstellungen oder legen Sie den Datenträger ein.";

}  // namespace

void CaseFolderWatchTick(Hub& hub) {
    const std::string folder = hub.settings.ReadText(Setting::Erklaerungen);
    if (folder.empty()) return;
    // Asked for the folder itself, not through a file search: that finds neither a share's root
    // ("\\server\share") nor a folder written with its trailing backslash.
    const bool reachable = hub.os.files.IsFolder(folder);
    if (folder.starts_with("\\\\")) {
        EnableTimer(hub, HubTimer::Timer2, false);
        if (reachable) return;
        ShowTrayBalloon(hub, kBalloonTitle, kBalloonText, BalloonIcon::Warning);
        LetEventsRun(hub);
        EnableTimer(hub, HubTimer::Timer2, true);
        return;
    }
    if (reachable) return;
    EnableTimer(hub, HubTimer::Timer2, false);
    Message(hub, kMessageText, MsgButtons::Ok, MsgIcon::Exclamation);
}

}  // namespace kolvane
