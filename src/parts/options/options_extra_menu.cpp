// `BOptions` of the window `Optionen`: the popup of further settings tools, most of them assistants in other
// programs of the suite.
#include "members/number_ranges_window.h"
#include "options/options_dialog.h"
#include "options/options_files.h"
#include "options/options_tools.h"
#include "options/settings_backup.h"
#include "password/password_change_window.h"

namespace kolvane {
namespace {

const std::vector<std::string> kEntries = {
    "Steuerprogramme ",          "Einstellungen für Belege  ",  "",
    "Zugriffsberechtigungen ",   "Nummernkreis festlegen ",     "User-Ordnereinstellungen ",
    "Schriftarten installieren ", "",                           "Assistent für die Optionen ",
    "",                          "Einstellungen sichern ... ",  "Einstellungen laden "};

// An assistant may change what the window shows, so the user may save first. A save stopped by a check keeps
// the window open and starts nothing: the user mends the field first.
void Assistant(Hub& hub, OptionsForm& form, const std::string& program, const std::string& switches, bool closes) {
    if (!ProgramFileExists(hub, program)) return;
    if (OptionsAsk(hub, "Möchten Sie die Einstellungen vor der Anzeige des Assistenten übernehmen ?   ",
                   MsgButtons::YesNo, MsgIcon::Exclamation, " Assistent für Einstellungen") == MsgAnswer::Yes) {
        const auto outcome = OptionsConfirm(hub, form);
        if (!outcome) return;
        form.closing = outcome;
    } else if (closes) {
        form.closing = OptionsOutcome::Cancelled;
    }
    StartComponent(hub, program, switches, ShowState::Normal);
}

// Page 6 shows the ranges as the window of the number ranges left them; they count as loaded, not as edited.
// A window that did not open (the database folder gone) changed nothing, and the fields keep what they show.
void ReloadedRanges(Hub& hub, OptionsForm& form) {
    if (!ShowMemberRanges(hub)) return;
    OptionsLoadRanges(hub, form);
    for (Ctl field : kRangeFields) form.loaded[Index(field)].text = form[field].text;
}

}  // namespace

void OptionsExtraMenu(Hub& hub, OptionsForm& form) {
    switch (hub.os.dialogs.ChooseMenuEntry(kEntries)) {
        case 1: StartComponent(hub, "RETURNS.EXE", " /o", ShowState::Normal); return;
        case 2: return Assistant(hub, form, "DOCSHELF.EXE", " /set", false);
        case 4: return OpenPasswordChange(hub);
        case 5: return ReloadedRanges(hub, form);
        case 6: return Assistant(hub, form, "HUBAGENT.EXE", " /dir", false);
        case 7: StartComponent(hub, "GLYPHSET.EXE", "", ShowState::Normal); return;
        case 9: return Assistant(hub, form, "HUBAGENT.EXE", "", true);
        case 11: return ExportSettings(hub);
        case 12: return ImportSettings(hub, form);
        default: return;
    }
}

}  // namespace kolvane
