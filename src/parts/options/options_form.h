#pragma once
// The window `Optionen` as plain state: what every control shows, whether it is enabled and shown, and the few
// values the window keeps beside its controls. Loading fills it from the settings key, the shared files and the
// member database; the events carry out the interlocks; the save (options_save.h) writes it back. The Win32
// view only copies this state to its controls and back.
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "hub/hub.h"
#include "options/options_controls.h"

namespace kolvane {

struct ControlState {
    int value = 0;     // a check box: 0 or 1; a list: the chosen index, -1 for none
    std::string text;  // a field, an editable list, or a label whose text changes
    std::vector<std::string> items;
    bool enabled = true;
    bool shown = true;
    friend bool operator==(const ControlState&, const ControlState&) = default;
};

// The hidden `mnxTempMenu` entries that hold the PDF tool paths between loading and saving.
enum PdfTool : std::size_t { mnxPdfViewer, mnxPdfEditor, mnxPdfDrucker, mnxPdfDriver, kPdfTools };

enum class OptionsOutcome {
    Cancelled,   // closed without saving, or not shown
    Saved,
    Restarting,  // saved, and the hub hands over to a new one
};

struct OptionsForm {
    std::array<ControlState, kControlCount> controls;
    std::array<std::string, kPdfTools> pdfTools;
    PdfTool pdfShown = mnxPdfViewer;  // the tool whose path `TPdfViewer` shows
    std::string databaseFolder;       // the folder the member ranges were read from, with its backslash
    std::string paySecurity;          // the contributions password
    std::string barCodeFontTag, barCodeSizeTag;  // for the font settings' change test
    int page = 1;
    int tooltipTag = 0;
    bool tooltipShown = false;  // the help-tip panel
    bool tooltipTimer = false;
    bool timer1 = false;
    bool passwordAsked = false;  // the access password was asked at this opening
    std::optional<Ctl> focus;    // where the view puts the focus next
    std::optional<OptionsOutcome> closing;  // a tool has closed the window: the view ends it with this
    bool saving = false;         // a save is under way (its boxes and waits let messages run)
    int fontTarget = 0;          // which of the four font settings the font pair shows
    bool fontPicked = false;     // the user chose an entry in the font pair since it was filled
    bool printerPicked = false;  // the user chose an entry in the printer list since it was filled
    bool formsChosen = false;    // the forms folder was chosen by its button and differs from the stored one
    // The controls as loading left them: what the user changed.
    std::array<ControlState, kControlCount> loaded;
    // The settings key (nothing for a missing value) and the shared files' keys, DATASAFE.INI's B1 ... B5 and
    // Tips.dat's Show, as the window found them. A value is written back only when what its control gives
    // differs from this or the value is missing: the corrections of loading are stored, and a peer's change
    // made while the window was open to a value left alone here survives an Ok.
    std::array<std::optional<std::string>, kSettingCount> stored;
    std::map<std::string, std::string> storedKeys;

    ControlState& operator[](Ctl c) { return controls[Index(c)]; }
    const ControlState& operator[](Ctl c) const { return controls[Index(c)]; }
    bool Checked(Ctl c) const { return (*this)[c].value == 1; }
    // What the control holds, not whether an interlock enabled or showed it.
    bool Changed(Ctl c) const {
        return controls[Index(c)].value != loaded[Index(c)].value || controls[Index(c)].text != loaded[Index(c)].text;
    }
};

// Fills the form in the loading order (writing `OneCalendar` and a missing DATASAFE.INI on the way) and shows
// or hides the two hub menu entries behind `CDrucker` and `CExplorer`.
OptionsForm OptionsLoad(Hub& hub);

// What the user did to a control; the view has already copied the control's new value into the form.
// Erase: Delete or Backspace in a field, before the key acts.
enum class OptionsEvent { Click, Change, FocusIn, FocusOut, Enter, Erase };
// Enter in a field sets the focus where it moves on; when it sets none, Enter is the `BReady` of the window.
void OptionsOnEvent(Hub& hub, OptionsForm& form, Ctl control, OptionsEvent event);
// A field whose whole text is selected when it gets the focus.
bool OptionsSelectsAll(Ctl control);
// A tab chosen: the backup controls follow `CAutoTaxBackup`, the page shows, the focus goes to its first control.
void OptionsShowPage(OptionsForm& form, int page);
// The window became the active one: the access password, once per opening. False when the window is to close.
bool OptionsActivated(Hub& hub, OptionsForm& form);
// The two timers of the window.
void OptionsTimer1Tick(OptionsForm& form);
void OptionsTooltipTick(OptionsForm& form);
// A click on the help-tip panel or the mouse over its text.
void OptionsHideTooltip(OptionsForm& form);
// `BHilfe`.
void OptionsHelp(Hub& hub);
// The buttons whose work lies with the extra menu, the folder choice, the PDF tools and the fonts.
void OptionsToolButton(Hub& hub, OptionsForm& form, Ctl button);
void OptionsExtraMenu(Hub& hub, OptionsForm& form);
// The font pair: `bFontInfo` saves the shown pair when the user changed it and steps to the next target.
void OptionsNextFont(Hub& hub, OptionsForm& form);
// The PDF tool field: the switch to the next tool, the browse button, the printer list losing the focus and
// Delete or Backspace in the field.
void OptionsNextPdfTool(Hub& hub, OptionsForm& form);
void OptionsBrowsePdfTool(Hub& hub, OptionsForm& form);
void OptionsConfirmPrinter(Hub& hub, OptionsForm& form);
void OptionsClearPdfTool(Hub& hub, OptionsForm& form);
// The member ranges of page 6 as the database holds them now.
void OptionsLoadRanges(Hub& hub, OptionsForm& form);

// The help-tip panel's text.
inline constexpr char kOptionsTooltip[] =
    "Einige Assistenten zur Konfiguration von Brekkan Orvintal finden Sie auch im Menü \"Optionen\".";

}  // namespace kolvane
