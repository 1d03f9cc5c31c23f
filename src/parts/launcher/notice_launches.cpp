#include "launcher/launch.h"
#include "launcher/special_launches.h"
#include "platform/text.h"

namespace kolvane {
namespace {

constexpr char kTemplateList[] = "VORLAGEN.DAT";
constexpr char kTemplateListTitle[] = " Vorlagen für Dokumente";
constexpr char kTemplateListMissing[] =
    "Keine Orvintal Vorlagen-Datenbank gefunden.\n"
    "Daher konnten keine Menüeintrage eingefügt werden.\n"
    "Bitte prüfen Sie die Installation von Orvintal.";

constexpr char kRebuildQuestion[] =
    "Möchten Sie die PictHelp-Datenbank neu erstellen ?\n"
    "\n"
    "Die Datenbank lädt Mitglieder schneller in den Anwendungen. Normalerweise wird diese Datenbank automatisch "
    "erstellt und aktualisiert.";

}  // namespace

// The manager is started in any case: it is where the list is made.
void LaunchTemplateManager(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    if (!ProgramFileExists(hub, kTemplateList))
        hub.os.dialogs.ShowMessage({kTemplateListMissing, kTemplateListTitle, MsgButtons::Ok, MsgIcon::Critical});
    StandardLaunch(hub, row.program, row.switches, chosen);
}

// An installation on a network share never rebuilds the index: the question is not even asked there.
void LaunchIndexDatabase(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    if (IsUncPath(hub.programFolder)) return;
    if (Message(hub, kRebuildQuestion, MsgButtons::YesNo, MsgIcon::Exclamation) == MsgAnswer::Yes)
        StandardLaunch(hub, row.program, row.switches, chosen);
}

}  // namespace kolvane
