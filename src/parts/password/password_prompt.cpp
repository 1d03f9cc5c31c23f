#include "password/password_prompt.h"

#include "hub/shutdown.h"
#include "password/stored_password.h"
#include "settings/registry_keys.h"
#include "settings/registry_store.h"

namespace kolvane {
namespace {

constexpr char kHelpFile[] = "Orvintal.chm";

// The settings key's own owner first, then the one Windows was registered to.
std::string RegisteredOwner(Hub& hub) {
    std::string owner;
    if (hub.settings.Get(Setting::RegisteredOwner, owner)) return owner;
    for (const RegKeyPath& key : kWindowsOwnerKeys)
        if (RegGetSetting(hub.os.registry, hub.os.kernel, key.root, key.path, kRegisteredOwnerValue, owner))
            return owner;
    return kDefaultUserName;
}

}  // namespace

PasswortForm LoadPasswortForm(Hub& hub) {
    PasswortForm form;
    form.Text1 = RegisteredOwner(hub);
    form.Text1List = {form.Text1};
    form.BVordergrund = ReadPromptForeground(hub);
    return form;
}

// A database that cannot be read right now (a network share that went away) can neither check the password
// nor store the check box: the user hears why the prompt stays, once, instead of a save error besides.
PromptAnswer PasswortReady(Hub& hub, PasswortForm& form) {
    const std::optional<std::string> stored = ReadStoredPassword(hub);
    if (!stored) {
        Message(hub, kPasswordUnreadable, MsgButtons::Ok, MsgIcon::Exclamation);
        form.Text2.clear();
        return PromptAnswer::Wrong;
    }
    WritePromptForeground(hub, form.BVordergrund);
    if (form.Text2 != *stored) {
        form.Text2.clear();
        return PromptAnswer::Wrong;
    }
    form.BReadyEnabled = false;
    return PromptAnswer::Right;
}

void PasswortHelp(Hub& hub) {
    if (!ProgramFileExists(hub, kHelpFile)) return;
    hub.os.shell.StartProcess("\"" + hub.os.kernel.WindowsFolder() + "\\hh.exe\" \"" + ProgramFile(hub, kHelpFile) + "\"",
                              ShowState::Normal);
}

// The command box runs the close sequence, which ends the process; should it not, the hub ends here all the same.
void PasswortCancel(Hub& hub) {
    CloseHub(hub, "Kennwortabfrage abgebrochen");
    EndProgram(hub);
}

}  // namespace kolvane
