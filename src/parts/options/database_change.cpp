// `bDatFile`: another database folder for the whole suite. The settings name it at once and the suite is
// ended, so that every program starts again on the new database. The running hub keeps the folder it started
// with: its close sequence must clean up its own folder, never the temporary files in the new, shared one.
#include <cstdio>

#include "platform/text.h"
#include "options/folder_buttons.h"
#include "options/options_tools.h"
#include "store/member_database.h"

namespace kolvane {
namespace {

using S = Setting;

std::string TwoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

bool ConfirmedFolder(Hub& hub, std::string& folder) {
    if (OptionsAsk(hub,
                   "Die Orvintal-Datenbank speichert alle Mitglieder und Einstellungen.  \n"
                   "Geänderte Datenbanken führen zu einem anderen Mitgliederbestand.\n"
                   "Wählen Sie ein Netzwerklaufwerk eines anderen Windows®-PCs,\n"
                   "um gemeinsam auf den Datenbestand zugreifen zu können.",
                   MsgButtons::OkCancel, MsgIcon::Information, " Datenbankordner") != MsgAnswer::Ok)
        return false;
    const auto file = hub.os.dialogs.ChooseFile(
        {"Öffnen ...", "Datenbank (*.dat)|Datex.dat|Alle Dateitypen (*.*)|*.*", "", hub.LrDatabase});
    if (!file || (folder = FolderOfFile(*file)).empty()) return false;
    if (OptionsAsk(hub,
                   "Bitte speichern Sie Ihre Eingaben und beenden Sie alle Orvintal-Komponenten. Wir empfehlen Ihnen "
                   "die Erstellung einer Sicherungskopie der Datenbanken. Verwenden Sie dazu den Menüpunkt "
                   "''Datensicherung'' im Orvintal-Explorer.\n\nEs ist ein Neustart von Orvintal erforderlich !",
                   MsgButtons::OkCancel, MsgIcon::Exclamation) != MsgAnswer::Ok)
        return false;
    return ToLower(*file).find("datex.dat") != std::string::npos ||
           OptionsAsk(hub,
                      "Es konnte keine Orvintal-Datenbank im Ordner gefunden werden. \n"
                      "Möchten Sie das Verzeichnis trotzdem verwenden ?",
                      MsgButtons::YesNo, MsgIcon::Exclamation) == MsgAnswer::Yes;
}

// The import dates start the year afresh, so that the components take the new database's data in full. The folder
// is stored last and only when all of that was: with an import date left over, the components would take only a
// part of the new database's data.
bool StoreFolder(Hub& hub, const std::string& folder) {
    for (Setting s : {S::DBDatCount, S::DBDatKey, S::DBMdbKey})
        if (hub.settings.Exists(s) && !hub.settings.Delete(s)) return false;
    const DateTime now = hub.os.clock.Now();
    const std::string year = std::to_string(now.year);
    return hub.settings.WriteText(S::MDBFileCheck, year + "-01-01") &&
           hub.settings.WriteText(S::MdbRefresh, "01.01." + year + " " + TwoDigits(now.hour) + ":" +
                                                     TwoDigits(now.minute) + ":" + TwoDigits(now.second)) &&
           hub.settings.WriteText(S::MDBFileData, year + ".01.01") && hub.settings.WriteText(S::Database, folder);
}

}  // namespace

void ChangeDatabaseFolder(Hub& hub, OptionsForm& form) {
    std::string folder;
    if (!ConfirmedFolder(hub, folder)) return;
    if (!StoreFolder(hub, folder)) {
        OptionsAsk(hub, "Der Datenbankordner konnte nicht gespeichert werden.\nMöglicherweise fehlen die Rechte dazu.",
                   MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    form[Ctl::tDatFile].text = folder;
    // Only an existing database loses its size mark; a folder without one gets no file.
    MemberDatabase database(hub.os, folder + std::string(kDatabaseFileName));
    if (database.Exists()) database.Delete(kHeaderSection, "SIZE");
    StartComponent(hub, "CLOSEALL.EXE", "", ShowState::Normal);
    form.closing = OptionsOutcome::Cancelled;
    hub.log.Write("Datenbankordner in den Optionen geändert (Database)");
    CloseHub(hub, "Neustart nach dem Wechsel des Datenbankordners");
}

}  // namespace kolvane
