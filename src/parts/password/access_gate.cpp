#include "password/access_gate.h"

#include "hub/flag_scope.h"
#include "password/stored_password.h"

namespace kolvane {
namespace {

// Returns once the password was right; a cancelled prompt has ended the hub.
bool RunPrompt(Hub& hub, AccessGate& gate) {
    if (!gate.prompt) return false;
    FlagScope open(gate.promptOpen);
    PasswortForm form = LoadPasswortForm(hub);
    gate.prompt->ShowModal(hub, form);
    return true;
}

}  // namespace

bool PassAccessGate(Hub& hub, AccessGate& gate) {
    if (gate.promptOpen) return false;
    if (hub.settings.ReadInt(Setting::Encoder) != 1) {
        const std::optional<std::string> stored = ReadStoredPassword(hub);
        if (!stored) return true;
        if (!stored->empty() && !RunPrompt(hub, gate)) return false;
    }
    hub.settings.WriteInt(Setting::Encoder, 1);
    return true;
}

bool AskStoredPassword(Hub& hub, AccessGate& gate) {
    if (gate.promptOpen) return false;
    const std::optional<std::string> stored = ReadStoredPassword(hub);
    return !stored || stored->empty() || RunPrompt(hub, gate);
}

void ChangeAccessPassword(Hub& hub, AccessGate& gate, KennwortView& view) {
    if (gate.promptOpen) return;
    const std::optional<std::string> stored = ReadStoredPassword(hub);
    if (!stored) {
        Message(hub, kPasswordUnreadable, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    if (!stored->empty() && !RunPrompt(hub, gate)) return;
    KennwortForm form;
    view.ShowModal(hub, form);
}

void OpenPasswordChange(Hub& hub) {
    if (hub.kennwortView) ChangeAccessPassword(hub, hub.accessGate, *hub.kennwortView);
}

}  // namespace kolvane
