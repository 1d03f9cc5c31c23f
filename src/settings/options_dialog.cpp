#include "settings/options_dialog.h"

#include "hub/flag_scope.h"

namespace kolvane {

OptionsOutcome ShowOptionsDialog(Hub& hub) {
    OptionenView* view = hub.optionenView;
    if (!view) return OptionsOutcome::Cancelled;
    if (view->open) {
        view->BringToFront();
        return OptionsOutcome::Cancelled;
    }
    FlagScope open(view->open);
    OptionsForm form = OptionsLoad(hub);
    return view->ShowModal(hub, form);
}

}  // namespace kolvane
