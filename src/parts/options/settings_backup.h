#pragma once
// The settings key saved to a registry file and restored from one, through the system's registry editor.
#include "options/options_form.h"

namespace kolvane {

// "Einstellungen sichern ... ": the editor writes the key into the file the user names; nothing waits for it.
void ExportSettings(Hub& hub);

// "Einstellungen laden ": a checked file is imported and the suite offered a restart. The window closes
// without saving once the import ran, so that its controls do not overwrite what the file restored.
void ImportSettings(Hub& hub, OptionsForm& form);

}  // namespace kolvane
