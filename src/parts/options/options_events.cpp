// The interlocks of the window `Optionen`: small rules between its controls, each run by the one dispatcher
// below when the user changes a control (and a few of them once while loading).
#include <algorithm>

#include "password/access_gate.h"
#include "platform/ini_codec.h"
#include "options/folder_buttons.h"
#include "options/options_files.h"
#include "options/options_form.h"
#include "store/member_ranges.h"

namespace kolvane {
namespace {

using C = Ctl;

std::string DialogTitle() { return std::string(" ") + kOptionenCaption; }

MsgAnswer Tell(Hub& hub, const char* text, MsgButtons buttons, MsgIcon icon, const std::string& title = DialogTitle()) {
    return hub.os.dialogs.ShowMessage({text, title, buttons, icon});
}

void AutoUpdateSwap(OptionsForm& form) {
    form[C::CInternetUpdate].shown = !form.Checked(C::CAutoUpdate);
    form[C::CPackageUpdate].shown = form.Checked(C::CAutoUpdate);
}

void BackupControls(OptionsForm& form) {
    for (C c : {C::CBackup1, C::CBackup2, C::CBackup3, C::CBackup4, C::CBackup5, C::LAutoBackupFolder,
                C::tAutoBackupFolder, C::bAutoBackupFolder, C::bAutoBackupFolderNetwork, C::LAutoTaxTime,
                C::CAutoTaxTime})
        form[c].enabled = form.Checked(C::CAutoTaxBackup);
}

void ConfirmHideExplorer(Hub& hub, OptionsForm& form) {
    if (form.Checked(C::CExplorer)) return;
    if (Tell(hub, "Möchten Sie wirklich den Interface Explorer im Menü ausblenden ?    ", MsgButtons::YesNo,
             MsgIcon::Question) == MsgAnswer::No)
        form[C::CExplorer].value = 1;
}

// The printer submenu does not fit on a screen of 640 x 480 pixels or less.
void PrinterMenuNeedsScreen(Hub& hub, OptionsForm& form) {
    const ScreenSize screen = hub.os.windows.Screen();
    if (!form.Checked(C::CDrucker) || screen.width > 640 || screen.height > 480) return;
    Tell(hub,
         "Mit der Bildschirmauflösung können Sie diese Funktion nicht nutzen. \n"
         "Erhöhen Sie in den ''Eigenschaften von Anzeige'' die Auflösung.\n"
         "Weitere Informationen finden Sie dazu in den Hilfethemen.",
         MsgButtons::Ok, MsgIcon::Exclamation, " Druckerauswahl");
    form[C::CDrucker].value = 0;
}

void OfferSignature(Hub& hub, const OptionsForm& form) {
    if (!form.Checked(C::CUnterschrift) || ProgramFileExists(hub, kSignatureFile)) return;
    if (Tell(hub,
             "Bisher existiert keine Unterschrift die für Briefe verwendet werden kann. \n"
             "Möchten Sie den Assistenten starten und eine Unterschrift hinzufügen ? ",
             MsgButtons::YesNo, MsgIcon::Question, " Brekkan Orvintal") != MsgAnswer::Yes)
        return;
    if (!StartComponent(hub, kSignatureAssistant, "", ShowState::Normal))
        Message(hub, "Die Anwendung ''SignChk.exe'' für Unterschriften konnte nicht gefunden werden. ", MsgButtons::Ok,
                MsgIcon::Exclamation);
}

// The receipts lock can only be switched by someone who knows the contributions password.
void ReceiptLock(Hub& hub, OptionsForm& form) {
    int& value = form[C::CQuittungVerboten].value;
    if (form.paySecurity.empty()) {
        Tell(hub,
             value == 1 ? "Die Option ist deaktiviert und kann nur aktiviert werden, soweit in der Beitragsverwaltung "
                          "ein Kennwort vergeben wurde."
                        : "Diese Einstellung kann nicht deaktiviert werden, weil in der Beitragsverwaltung kein "
                          "Kennwort vergeben wurde.",
             MsgButtons::Ok, MsgIcon::Critical);
        value = value == 1 ? 0 : 1;
        return;
    }
    if (value == 1) return;
    InputBoxRequest ask{"Geben Sie das Kennwort der Beitragsverwaltung ein:", DialogTitle(), ""};
    ask.hidden = true;
    if (hub.os.dialogs.AskText(ask) != form.paySecurity) value = 1;
}

constexpr const char* kCalendarInfo[] = {
    "Der interne Kalender zeigt eine Anwendung am rechten Bildschirmrand und kann vor Beginn des Termins eine Info "
    "anzeigen. Die Synchronisierung mit anderen Kalendern oder Google-Kalender ist nicht möglich.",
    "Den OneCalendar erhalten Sie kostenlos im Windows-Store. Dieser synchronisiert den GoogleCalendar und zeigt "
    "unterschiedliche Termine (Erweiterung kostenpflichtig).",
    "Der Microsoft Kalender ist im Windows-Store kostenlos verfügbar und ist standardmäßig bereits auf dem Kachel- "
    "Bildschirm installiert. Er synchronisiert unter anderem den GoogleCalendar.",
};

void CalendarInfo(OptionsForm& form) {
    const int entry = form[C::LKalender].value;
    form[C::TKalenderInfo].text = entry >= 0 && entry < 3 ? kCalendarInfo[entry] : "";
}

void Info(Hub& hub, C button) {
    Tell(hub,
         button == C::bDorvenhal
             ? "Die Synchronisierung der Finanzämter mit den Straßennamen der Mitglieder kann bei vielen Mitgliedern "
               "extrem lange dauern. Während der Eingabe der Straße wird das Finanzamt automatisch ausgewählt, soweit "
               "diese Einstellung aktiviert ist."
             : "Die Deaktivierung der Anzeige für Einträge von Unternehmen und Freiberuflichern wirkt sich auf alle "
               "Computer im Netzwerk aus, welche die gleiche Datenbank verwenden. Die temporäre Datenbank wird dann "
               "ohne diese Einträge erstellt und von allen Benutzern der Datenbank gelesen.",
         MsgButtons::Ok, MsgIcon::Information);
}

bool IsRangeField(C c) { return c == C::TAnfang1 || c == C::TEnde1 || c == C::TAnfang2 || c == C::TEnde2; }

void FormatRanges(OptionsForm& form) {
    for (C field : kRangeFields)
        if (const auto number = ParseMemberNumber(IniTrim(form[field].text))) form[field].text = FormatMemberNumber(*number);
}

// Enter walks from range field to range field; in the last one it is left to the window (it saves).
void RangeEnter(OptionsForm& form, C field) {
    const auto at = std::find(kRangeFields.begin(), kRangeFields.end(), field);
    if (at + 1 != kRangeFields.end()) form.focus = *(at + 1);
}

}  // namespace

void OptionsOnEvent(Hub& hub, OptionsForm& form, Ctl control, OptionsEvent event) {
    const bool click = event == OptionsEvent::Click;
    switch (control) {
        case C::CAutoUpdate: AutoUpdateSwap(form); return;
        case C::CAutoTaxBackup: BackupControls(form); return;
        case C::CExplorer: if (click) ConfirmHideExplorer(hub, form); return;
        case C::CDrucker: if (click) PrinterMenuNeedsScreen(hub, form); return;
        case C::CUnterschrift: if (click) OfferSignature(hub, form); return;
        case C::CQuittungVerboten: if (click) ReceiptLock(hub, form); return;
        case C::CShowNoContacts: form[C::CShowNoContactsDeaktiviert].value = form[C::CShowNoContacts].value; return;
        case C::LKalender: CalendarInfo(form); return;
        case C::bDorvenhal:
        case C::bTempDatabaseNetwork: if (click) Info(hub, control); return;
        case C::tBarCodeFont:
        case C::tBarCodeSize: if (event == OptionsEvent::Change) form.fontPicked = true; return;
        case C::tPdfDrucker:
            if (event == OptionsEvent::Change) form.printerPicked = true;
            if (event == OptionsEvent::FocusOut) OptionsConfirmPrinter(hub, form);
            return;
        case C::TPdfViewer: if (event == OptionsEvent::Erase) OptionsClearPdfTool(hub, form); return;
        case C::tFormulare: if (event == OptionsEvent::FocusIn) FormsFolderFocus(hub, form); return;
        default: break;
    }
    if (IsRangeField(control) && event == OptionsEvent::Enter) RangeEnter(form, control);
    if (IsRangeField(control) && event == OptionsEvent::FocusOut) FormatRanges(form);
    if (ControlOf(control).kind == CtlKind::Button && click) OptionsToolButton(hub, form, control);
}

bool OptionsSelectsAll(Ctl control) {
    return IsRangeField(control) || control == C::tVereinsname || control == C::tMdbFile;
}

void OptionsShowPage(OptionsForm& form, int page) {
    BackupControls(form);
    form.page = page;
    form.focus = kOptionsPages[static_cast<std::size_t>(page - 1)].first;
}

bool OptionsActivated(Hub& hub, OptionsForm& form) {
    if (form.passwordAsked) return true;
    form.passwordAsked = true;
    return AskStoredPassword(hub, hub.accessGate);
}

void OptionsTimer1Tick(OptionsForm& form) {
    if (form.page != 5) return;
    const bool sql = form.Checked(C::cMDBUsed);
    for (C c : {C::cPelmondo, C::cNoTmpBeitrag, C::cSQLUsed}) {
        if (sql) form[c].value = 0, form[c].enabled = false;
        else if (c != C::cSQLUsed) form[c].enabled = true;
    }
    for (C c : {C::CAutoDataImport, C::cMDBAddin, C::cMdbOverwrite, C::tMdbFile, C::bMdbFile}) {
        form[c].enabled = sql;
        if (!sql && ControlOf(c).kind == CtlKind::Check) form[c].value = 0;
    }
}

void OptionsTooltipTick(OptionsForm& form) {
    if (!form.tooltipTimer) return;
    if (form.tooltipTag == 3) {
        OptionsHideTooltip(form);
        return;
    }
    form.tooltipShown = true;
    ++form.tooltipTag;
}

void OptionsHideTooltip(OptionsForm& form) {
    form.tooltipShown = form.tooltipTimer = false;
    form.tooltipTag = 0;
}

void OptionsHelp(Hub& hub) { ShowHelpTopic(hub, "4.6 Einstellungen.htm"); }

}  // namespace kolvane
