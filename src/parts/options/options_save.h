#pragma once
// `BReady` of the window `Optionen`.
#include <optional>

#include "options/options_dialog.h"

namespace kolvane {

// Checks the form, then writes it back. Nothing when the window stays open: the user was told why and the focus
// names the field to mend; a check that stops the save has changed nothing stored.
std::optional<OptionsOutcome> OptionsSave(Hub& hub, OptionsForm& form);

}  // namespace kolvane
