#include "hub/database_folder.h"

#include "hub/database_backup.h"
#include "platform/text.h"

namespace kolvane {

bool DatabaseFolderUnreachable(Hub& hub) {
    const std::string& folder = hub.LrDatabase;
    if (IsUncPath(folder)) return !hub.os.files.IsFolder(folder);
    return folder.size() >= 3 && folder[1] == ':' && folder[2] == '\\' && !hub.os.files.IsFolder(folder.substr(0, 3));
}

std::string DatabaseFolderUnreachableText(const Hub& hub, std::string_view consequence) {
    return "Der Datenbankordner " + hub.LrDatabase + " ist nicht erreichbar.\n" + std::string(consequence);
}

bool DatabaseFolderAtHand(Hub& hub) {
    if (!DatabaseFolderUnreachable(hub)) return true;
    hub.os.dialogs.ShowMessage(
        {DatabaseFolderUnreachableText(hub, std::string(kCheckConnection) + " und versuchen Sie es danach erneut."),
         kDatabaseErrorTitle, MsgButtons::Ok, MsgIcon::Exclamation});
    return false;
}

}  // namespace kolvane
