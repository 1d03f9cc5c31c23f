#pragma once
// The windows of the system that the hub menu uses: the popup itself and the printer dialog.
// Implemented by popup_view_win32.cpp and printer_dialog_win32.cpp, and by the tests' fakes.
#include <string>

#include "launcher/popup_menu.h"

namespace kolvane {

class PopupView {
public:
    virtual ~PopupView() = default;
    // Shows the menu beside the notification-area icon until the user chooses an entry or closes it (a click
    // elsewhere, Esc). Returns the chosen entry's number, or 0.
    virtual int Track(const PopupMenu& menu) = 0;
};

class PrinterDialog {
public:
    virtual ~PrinterDialog() = default;
    // The system's printer set-up dialog with this title and the printer preselected; the printer confirmed
    // there becomes the default printer. Returns the default printer's name afterwards, "" when there is none.
    virtual std::string ChooseDefault(const std::string& title, const std::string& preselected) = 0;
};

}  // namespace kolvane
