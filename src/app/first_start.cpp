#include "app/database_discovery.h"

#include <optional>

#include "hub/database_backup.h"
#include "hub/database_folder.h"
#include "hub/hub_database.h"
#include "members/sender_data.h"
#include "platform/text.h"
#include "store/database_index.h"
#include "store/member_record.h"

namespace kolvane {

namespace {

constexpr char kAgent[] = "HUBAGENT.EXE";

std::string ReadA1(Hub& hub, const std::string& bytes) {
    DamageNotice notice(hub.os.dialogs);
    return DatabaseIndex(bytes).Read(kHeaderSection, "A1", notice);
}

void Welcome(Hub& hub, const std::string& text) {
    hub.os.dialogs.ShowMessage({text, kWelcomeTitle, MsgButtons::Ok, MsgIcon::Information});
}

void ReportDatabaseProblem(Hub& hub, const std::string& text) {
    hub.os.dialogs.ShowMessage({text, kDatabaseErrorTitle, MsgButtons::Ok, MsgIcon::Exclamation});
}

// The assistant makes a new database only where none exists: an existing one may be a configured
// database that just could not be read this time.
void RunAssistant(Hub& hub) {
    hub.os.windows.SetPointer(MousePointer::Default);  // the assistant talks to the user
    if (ToLower(hub.LrDatabase) == ToLower(hub.programFolder + "\\")) {
        // The database does not belong in the program folder, which an update replaces.
        hub.settings.WriteText(Setting::Database, kDefaultDatabaseFolder);
        const std::string folder = kDefaultDatabaseFolder;
        const std::string withoutBackslash = folder.substr(0, folder.size() - 1);
        if (!hub.os.files.Exists(withoutBackslash)) hub.os.files.CreateFolder(withoutBackslash);
        hub.LrDatabase = folder;
    }
    Welcome(hub,
            "Der Assistent für den Ersten Start und die Konfiguration von Orvintal wird nun gestartet. Geben Sie "
            "die Informationen zur Beratungsstelle und den Steuerspar-Programmen an und aktivieren die gewünschte "
            "Einstellungen.");
    const std::string database = DatabaseFile(hub, std::string(kDatabaseFileName));
    const std::string delivered = ProgramFile(hub, "DATA\\NEWDATA.DAT");
    if (!hub.os.files.Exists(database) && hub.os.files.Exists(delivered))
        CopyDatabase(hub.os.files, delivered, database);
    Wait(hub, 1);
    if (ProgramFileExists(hub, kAgent))
        hub.os.shell.Execute("runas", ProgramFile(hub, kAgent), hub.os.kernel.CommandLine() + "/admin", "",
                             ShowState::Normal);
    CloseHub(hub, "Erster Start, Übergabe an HUBAGENT.EXE");
}

}  // namespace

bool RunFirstStartAssistantIfNew(Hub& hub) {
    const std::string database = DatabaseFile(hub, std::string(kDatabaseFileName));
    const bool exists = hub.os.files.Exists(database);
    const std::optional<std::string> bytes = exists ? ReadWholeFile(hub.os.files, hub.os.clock, database) : std::nullopt;
    if (bytes && !ReadA1(hub, *bytes).empty()) return false;
    if (exists && (!bytes || ClassifyDatabase(*bytes) != DatabaseState::Sound)) {
        ReportDatabaseProblem(hub, "Die Datenbank " + database +
                                       " ist vorhanden, kann aber nicht gelesen werden (gesperrt, leer oder "
                                       "beschädigt).\nSie wird nicht verändert, und die Datensicherungen bleiben "
                                       "erhalten.\nBitte prüfen Sie die Datei oder die Verbindung zum Server und "
                                       "starten Sie Orvintal danach erneut.");
        CloseHub(hub, "Datenbank unlesbar");
        return true;
    }
    if (!exists && DatabaseFolderUnreachable(hub)) {
        ReportDatabaseProblem(hub, DatabaseFolderUnreachableText(hub, "Es wird keine neue Datenbank angelegt. " +
                                                                     std::string(kCheckConnection) +
                                                                     " und starten Sie Orvintal danach erneut."));
        CloseHub(hub, "Datenbankordner nicht erreichbar");
        return true;
    }
    RunAssistant(hub);
    return true;
}

}  // namespace kolvane
