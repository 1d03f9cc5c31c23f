#include "options/options_dialog.h"

#include "hub/database_folder.h"
#include "hub/flag_scope.h"
#include "options/options_save.h"

namespace kolvane {

std::optional<OptionsOutcome> OptionsConfirm(Hub& hub, OptionsForm& form) {
    const ReentryGuard guard(form.saving);
    if (!guard.Entered()) return std::nullopt;
    return OptionsSave(hub, form);
}

OptionsOutcome ShowOptionsDialog(Hub& hub) {
    OptionenView* view = hub.optionenView;
    OptionsOutcome outcome = OptionsOutcome::Cancelled;
    if (!view) return outcome;
    ShowOnce(*view, [&] {
        if (!DatabaseFolderAtHand(hub)) return;
        OptionsForm form = OptionsLoad(hub);
        outcome = view->ShowModal(hub, form);
    });
    return outcome;
}

}  // namespace kolvane
