#pragma once
// The window `Optionen` on screen: a modal dialog owned by the task-bar stand-in, its nine pages laid out at run
// time from the control table.
#include <windows.h>

#include "options/options_dialog.h"

namespace kolvane {

class Win32OptionenView : public OptionenView {
public:
    explicit Win32OptionenView(HINSTANCE instance) : instance_(instance) {}
    OptionsOutcome ShowModal(Hub& hub, OptionsForm& form) override;
    void BringToFront() override;

private:
    HINSTANCE instance_;
    HWND dialog_ = nullptr;
};

}  // namespace kolvane
