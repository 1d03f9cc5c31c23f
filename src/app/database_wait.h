#pragma once
// The modal window shown while a network database cannot be reached; it answers through the hub tag:
// "0" cancel, "1" the database is back, "2" retry, "3" a repair program was started.
#include "app/database_wait_form.h"
#include "hub/hub.h"

namespace kolvane {

// What the user does in the window. Implemented by the window's logic (database_wait.cpp).
class DatabaseWaitEvents {
public:
    virtual ~DatabaseWaitEvents() = default;
    // An entry chosen in the dropped-down list: it runs at once.
    virtual void EntryChosen(int index) = 0;
    // The selection moved in the closed list (arrow keys): nothing runs.
    virtual void EntrySelected(int index) = 0;
    virtual void ReadyPressed() = 0;   // `bReady`
    virtual void CancelPressed() = 0;  // `bAbbrechen`
    virtual void HelpPressed() = 0;    // `bHilfe`
    virtual void CheckDatabaseClicked(bool ticked) = 0;  // `vCheckDB` or its label `tCheckDB`
    virtual void InfoClicked() = 0;                      // `Image1` or `tInfotext`
    virtual void CloseRequested() = 0;                   // the title bar's close button
    // About every kWaitTickSeconds while the window is open.
    virtual void Tick() = 0;
};

// The window on screen. Implemented by database_wait_win32.cpp and by the tests' fake.
class DatabaseWaitView {
public:
    virtual ~DatabaseWaitView() = default;
    // Shows the window modal and returns once it has been closed; meanwhile reports to events.
    virtual void Run(const DatabaseWaitForm& form, DatabaseWaitEvents& events) = 0;
    // The form has changed: copies it to the controls.
    virtual void Update(const DatabaseWaitForm& form) = 0;
    // Closes the window: Run returns.
    virtual void Close() = 0;
};

// Shows the window through hub.databaseWaitView; without a view, waits for the database in the
// background until it is back.
void ShowDatabaseWaitWindow(Hub& hub);

}  // namespace kolvane
