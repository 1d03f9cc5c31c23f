#pragma once
// The window `Absender` (" Beratungsstellen"): the sender data of the association's main office and branch
// office, which the suite's other programs print in letterheads. The twelve texts are kept twice, scrambled in
// the header section of the member database and plain in the settings key; the tax number only in the key.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "hub/hub.h"
#include "hub/modal_window.h"
#include "members/sender_data_window.h"

namespace kolvane {

inline constexpr char kAbsenderCaption[] = " Beratungsstellen";

enum class Office { Main, Branch };

// One text box of the window. Its name is also the name it is stored under, except for the tax number.
struct SenderField {
    std::string_view name;   // "ALizenz1" ... "BLizenz7"
    std::string_view label;  // "Name:" ...
    Setting setting;         // where the settings key keeps it
};

// The fourteen boxes in the order Enter walks them: the main office's seven, then the branch office's.
inline constexpr std::size_t kSenderRows = 7;
inline constexpr std::size_t kSenderFieldCount = 2 * kSenderRows;
extern const std::array<SenderField, kSenderFieldCount> kSenderFields;
// Positions within an office's seven boxes.
inline constexpr std::size_t kLocationRow = 2;
inline constexpr std::size_t kIdRow = 5;
inline constexpr std::size_t kTaxNumberRow = 6;
// The focus on `bReady` rather than on a box.
inline constexpr std::size_t kSenderReady = kSenderFieldCount;

constexpr std::size_t SenderFieldOf(Office office, std::size_t row) {
    return (office == Office::Main ? 0 : kSenderRows) + row;
}

struct AbsenderForm {
    std::array<std::string, kSenderFieldCount> texts;
    bool bAddContract = false;
    std::size_t focus = 0;  // where the cursor goes when the window stays open
    bool saving = false;    // `bReady` is under way (the database check may ask and wait)
};

// What the window shows on opening: the database's values, overruled by the settings key's.
AbsenderForm AbsenderLoad(Hub& hub);
// The box Enter moves to from the given one (kSenderReady after the branch office's last).
std::size_t AbsenderNextOnEnter(std::size_t field);
// An ID box's text after a change by typing: "/" follows the first two characters as soon as they are there.
std::string AbsenderIdTyped(const std::string& before, const std::string& now);
// Where the focus went from a box that was left.
enum class FocusMove { InWindow, ToAbbrechen, OutOfWindow };
// Leaving a box: the main office's tax number is copied into the branch office's box, which cannot be edited.
// An ID box's accepted text stays; otherwise the user is told, the box is emptied and keeps the focus (false).
// The ID is not checked when the user turns to another program, nor when the focus goes to `bAbbrechen` (by a
// click or Tab), which leaves without storing; the save checks the IDs again in any case.
bool AbsenderLeave(Hub& hub, AbsenderForm& form, std::size_t field, FocusMove move);
// `bALizenzCaption` / `bBLizenzCaption`: asks for the office's designation and stores a new one.
void AbsenderDesignation(Hub& hub, Office office);
// `bReady`: stores the data and checks the database. False when the window stays open: the user was told
// why, the focus is on the box to mend, and nothing stored has changed; or the settings key refused a value
// (told too: another Ok stores all of it again); or a save was under way already.
bool AbsenderSave(Hub& hub, AbsenderForm& form);
// `bOrdner`: the agent's folder settings.
void AbsenderFolders(Hub& hub);
// `bHilfe`.
void AbsenderHelp(Hub& hub);

// The window on screen. Implemented by sender_data_win32.cpp and by the tests' fake.
class AbsenderView : public ModalWindow {
public:
    // Shows the window modally with the form; returns when AbsenderSave said true or on `bAbbrechen`.
    virtual void ShowModal(Hub& hub, AbsenderForm& form) = 0;
};

// The welcome that asks a new installation for its advice centres before the window opens.
inline constexpr char kWelcomeTitle[] = " Herzlich Willkommen";
inline constexpr char kEnterOfficesText[] =
    "Bitte geben Sie nachfolgenden Ihre Beratungsstellen ein. \n"
    "Für spätere Änderungen benutzen Sie bitte den Menüpunkt \n"
    "Beratungsstellen in Ihrem Orvintal Explorer.";

// After the sender data were confirmed: an unconfigured database goes to the agent and the hub closes
// (true); otherwise the member number blocks are read for the hub's lifetime.
bool CheckDatenbank(Hub& hub);

}  // namespace kolvane
