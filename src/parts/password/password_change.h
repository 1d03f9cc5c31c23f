#pragma once
// The change dialog `Kennwort`: sets, changes or (with two empty fields) removes the access password.
#include <string>

#include "hub/hub.h"

namespace kolvane {

inline constexpr char kChangeCaption[] = " Authentifizierung hinzufügen";

struct KennwortForm {
    enum class Field { tKennwort, tBestaetigung };
    std::string tKennwort;
    std::string tBestaetigung;
    Field focus = Field::tKennwort;  // where the cursor goes when the dialog stays open
};

enum class ChangeAnswer {
    Stored,  // the dialog closes
    Stay,    // the user was told why; the dialog stays open and the stored password is as it was
};

// `bÜbernehmen`: stores the password when both fields agree and the database can carry it.
ChangeAnswer KennwortApply(Hub& hub, KennwortForm& form);

// The window on screen. Implemented by password_change_win32.cpp and by the tests' fake.
class KennwortView {
public:
    virtual ~KennwortView() = default;
    // Shows the dialog modally. Each `bÜbernehmen` copies the fields into the form and asks KennwortApply;
    // the view returns once that answered Stored, or at once on `bAbbrechen` (nothing is written).
    virtual void ShowModal(Hub& hub, KennwortForm& form) = 0;
};

}  // namespace kolvane
