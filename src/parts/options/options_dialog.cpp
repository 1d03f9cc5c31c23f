#include "options/options_dialog.h"

namespace kolvane {

OptionsOutcome ShowOptionsDialog(Hub& hub) {
    OptionenView* view = hub.optionenView;
    OptionsOutcome outcome = OptionsOutcome::Cancelled;
    if (!view) return outcome;
    ShowOnce(*view, [&] {
        OptionsForm form = OptionsLoad(hub);
        outcome = view->ShowModal(hub, form);
    });
    return outcome;
}

}  // namespace kolvane
