#pragma once
// The folder buttons of the window `Optionen` and the change of the database folder.
#include "options/options_form.h"

namespace kolvane {

// `BImages`, `BBelege`, the backup, forms and network buttons; any other button does nothing.
void FolderButton(Hub& hub, OptionsForm& form, Ctl button);

// The forms folder getting the focus shows the stored one, unless the user chose or typed another.
void FormsFolderFocus(Hub& hub, OptionsForm& form);

// `bDatFile`: a new database folder, which takes effect at the next start; the running suite is ended.
void ChangeDatabaseFolder(Hub& hub, OptionsForm& form);

}  // namespace kolvane
