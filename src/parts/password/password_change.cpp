#include "password/password_change.h"

#include "password/stored_password.h"
#include "store/crypt.h"

namespace kolvane {
namespace {

constexpr char kMismatch[] = "Beide Kennwörter müssen aus Sicherheitsgründen übereinstimmen.  ";
constexpr char kTooLong[] =
    "Das Kennwort ist zu lang: es darf höchstens 254 Zeichen haben.\n"
    "Das bisherige Kennwort bleibt gültig.";
constexpr char kNotStorable[] =
    "Das Kennwort enthält Zeichen, die in der Datenbank nicht gespeichert werden können\n"
    "(bestimmte Sonderzeichen, Leerzeichen oder Anführungszeichen am Anfang oder Ende).\n"
    "Bitte wählen Sie ein anderes Kennwort. Das bisherige Kennwort bleibt gültig.";

void Tell(Hub& hub, const char* text, MsgIcon icon) {
    hub.os.dialogs.ShowMessage({text, std::string(" ") + kChangeCaption, MsgButtons::Ok, icon});
}

// A password the scrambler cannot carry would be stored as an empty value, which removes the password.
const char* Refusal(const std::string& password) {
    if (password.size() > kLongestPassword) return kTooLong;
    if (!CanStore(password)) return kNotStorable;
    return nullptr;
}

}  // namespace

ChangeAnswer KennwortApply(Hub& hub, KennwortForm& form) {
    if (form.tKennwort != form.tBestaetigung) {
        Tell(hub, kMismatch, MsgIcon::Critical);
        form.tBestaetigung.clear();
        form.focus = KennwortForm::Field::tBestaetigung;
        return ChangeAnswer::Stay;
    }
    if (const char* refusal = Refusal(form.tKennwort)) {
        Tell(hub, refusal, MsgIcon::Exclamation);
        form.tKennwort.clear();
        form.tBestaetigung.clear();
        form.focus = KennwortForm::Field::tKennwort;
        return ChangeAnswer::Stay;
    }
    // A failed save has told the user why; the fields stay for another try.
    if (WriteStoredPassword(hub, form.tKennwort) != SaveResult::Saved) return ChangeAnswer::Stay;
    return ChangeAnswer::Stored;
}

}  // namespace kolvane
