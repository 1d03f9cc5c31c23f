#pragma once
// The access password in front of the hub menu (`Kennwörter`) and in front of its change dialog.
#include "hub/hub.h"
#include "password/password_change.h"
#include "password/password_change_window.h"
#include "password/password_prompt.h"

namespace kolvane {

// Asks for the password when this run has not passed the prompt yet and a password is set, and marks the
// run as passed (`Encoder` = 1). True when the user may go on to the menu or a quick action; false while the
// prompt is already open, so that a second click, a quick action or a key never gets past an unanswered
// prompt. A password that cannot be read (the database is out of reach) lets this one request on but does
// not mark the run as passed: the prompt comes as soon as the password can be read again.
bool PassAccessGate(Hub& hub, AccessGate& gate);

// The options window's opening: the prompt whenever a password is set, whether or not this run passed it.
// False while the prompt is open elsewhere; a cancelled prompt has ended the hub.
bool AskStoredPassword(Hub& hub, AccessGate& gate);

// The options dialog's "Zugriffsberechtigungen ": only someone who knows the current password (the prompt
// first, when one is set) reaches the change dialog.
void ChangeAccessPassword(Hub& hub, AccessGate& gate, KennwortView& view);

}  // namespace kolvane
