#include "tasks/tmp_database_gate.h"

#include "hub/busy_pointer.h"
#include "hub/hint_message.h"
#include "hub/let_events_run.h"
#include "store/safe_ini_writer.h"

namespace kolvane {
namespace {

constexpr char kTmpDatabase[] = "DATEX.IHP";
constexpr const char* kBuilderCaptions[] = {"Brekkan PictHelp IDE", "Brekkan Beitragskonten [TmpDb]"};
constexpr int kMaxPasses = 180;
constexpr double kPassSeconds = 1.0;

constexpr char kWaitingHint[] =
    "Bitte warten bis Orvintal die temporäre Datenbank für Mitglieder und Beiträge erstellt hat ...";
constexpr char kTimeoutHint[] = "Die Überprüfung der Datenbank wurde wegen Zeitüberschreitung abgebrochen.";
constexpr char kReadyTip[] =
    "Klicken Sie das Symbol in der Statusbar um Zugriff auf die Komponenten von Orvintal zu erhalten.";

bool BeingBuilt(Hub& hub) {
    for (const char* caption : kBuilderCaptions)
        if (WindowExists(hub, caption)) return true;
    return false;
}

// A local copy whose date differs from the database folder's file is out of date; no component may read it
// while a new one is awaited.
void DropStaleLocalCopy(Hub& hub) {
    const std::string source = DatabaseFile(hub, kTmpDatabase);
    const std::string local = ProgramFile(hub, kTmpDatabase);
    if (!hub.os.files.Exists(source) || !hub.os.files.Exists(local)) return;
    if (hub.os.files.ModifiedTime(source) != hub.os.files.ModifiedTime(local)) hub.os.files.Delete(local);
}

// The hint is written every pass; the info component is started only when it is not showing one already.
void WaitingHint(Hub& hub) {
    hub.settings.WriteText(Setting::Infotip, kWaitingHint);
    if (!WindowExists(hub, kHintfeedCaption)) StartComponent(hub, kHintfeed, kShowHintSwitch, ShowState::Normal);
}

}  // namespace

void CheckTmpDatabase(Hub& hub) {
    BusyPointer busy(hub.os.windows, MousePointer::Hourglass);
    DropStaleLocalCopy(hub);
    LetEventsRun(hub);
    // The copy is taken only in the same pass that has found the file present and every builder window
    // closed: a file whose builder is still at work is never copied.
    for (int pass = 0;; ++pass) {
        if (!BeingBuilt(hub) && DatabaseFileExists(hub, kTmpDatabase)) {
            CopyFileWhole(hub.os.files, DatabaseFile(hub, kTmpDatabase), ProgramFile(hub, kTmpDatabase));
            break;
        }
        if (pass == kMaxPasses) {
            HintMessage(hub, kTimeoutHint);
            break;
        }
        WaitingHint(hub);
        LetEventsRun(hub);
        Wait(hub, kPassSeconds);
    }
    hub.settings.WriteText(Setting::Infotip, kReadyTip);
}

}  // namespace kolvane
