#pragma once
// The window `Optionen` opened from the menu: loading, the window itself, and the save on `BReady`.
#include "hub/hub.h"
#include "hub/modal_window.h"
#include "options/options_form.h"

namespace kolvane {

// The window on screen. Implemented by options_dialog_win32.cpp and by the tests' fake.
class OptionenView : public ModalWindow {
public:
    // Shows the window modally; returns how it was closed.
    virtual OptionsOutcome ShowModal(Hub& hub, OptionsForm& form) = 0;
};

// `BReady`, and the save an assistant asks for: the save, once at a time. Nothing when the window stays open (see
// OptionsSave) or a save is under way already.
std::optional<OptionsOutcome> OptionsConfirm(Hub& hub, OptionsForm& form);

// The modal options dialog; returns once the user has closed it. A second opening while the window is open
// brings that one to the front.
OptionsOutcome ShowOptionsDialog(Hub& hub);

}  // namespace kolvane
