#include "app/database_discovery.h"

#include "hub/database_backup.h"
#include "platform/text.h"
#include "store/member_record.h"

namespace kolvane {

void GetDatabase(Hub& hub) {
    std::string folder;
    if (hub.settings.Get(Setting::Database, folder))
        hub.LrDatabase = CutAtNul(folder);
    else
        hub.LrDatabase = kDefaultDatabaseFolder;
    // The placeholder of an unfinished installation is mapped after the read, so that it never becomes
    // a folder named "<DATABASE>\".
    if (hub.LrDatabase == "<DATABASE>") hub.LrDatabase = kDefaultDatabaseFolder;
    if (!EndsWith(hub.LrDatabase, "\\")) hub.LrDatabase += "\\";
    if (hub.settings.Exists(Setting::StopError)) hub.settings.Delete(Setting::StopError);
}

void RestoreOrRotateDatabase(Hub& hub) {
    if (DatabaseFileExists(hub, std::string(kDatabaseFileName)))
        RotateBackups(hub);
    else if (DatabaseFileExists(hub, "DATEX.BAK"))
        OfferRestore(hub);
}

}  // namespace kolvane
