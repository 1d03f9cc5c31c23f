#pragma once
// The prompt `passwort` in front of the hub menu: it asks for the access password once per run and lets the
// user on only with the right one; cancelling it ends the hub.
#include <string>
#include <vector>

#include "hub/hub.h"

namespace kolvane {

inline constexpr char kPromptCaption[] = " Authentifizierung";
inline constexpr char kDefaultUserName[] = "Benutzer";

struct PasswortForm {
    std::vector<std::string> Text1List;  // the user names offered; shown only, never checked
    std::string Text1;                   // the user name shown
    std::string Text2;                   // the password typed
    bool BVordergrund = false;           // the prompt stays above other windows
    bool BReadyEnabled = true;
};

// The opening: the registered owner as user name, the check box as it was last confirmed.
PasswortForm LoadPasswortForm(Hub& hub);

enum class PromptAnswer {
    Right,  // the prompt closes
    Wrong,  // the password field is emptied and takes the focus again; no message, no counter, no delay
};

// `BReady` (also Enter): stores the check box, then compares the typed password with the stored one exactly.
PromptAnswer PasswortReady(Hub& hub, PasswortForm& form);
// `BHilfe` and F1: the program's help file, when it is installed.
void PasswortHelp(Hub& hub);
// `BAbbrechen`, Esc, or the window closed: the hub ends its components through its command box and ends.
[[noreturn]] void PasswortCancel(Hub& hub);

// The window on screen. Implemented by password_prompt_win32.cpp and by the tests' fake.
class PasswortView {
public:
    virtual ~PasswortView() = default;
    // Shows the prompt modally with the form. Each confirmation copies the controls into the form and asks
    // PasswortReady; the view returns once that answered Right. A cancel calls PasswortCancel, which does
    // not return.
    virtual void ShowModal(Hub& hub, PasswortForm& form) = 0;
};

}  // namespace kolvane
