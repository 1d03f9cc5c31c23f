#pragma once
// The window `Lizenzierung` on screen.
#include <windows.h>

#include "members/number_ranges.h"

namespace kolvane {

class Win32LizenzierungView : public LizenzierungView {
public:
    explicit Win32LizenzierungView(HINSTANCE instance) : instance_(instance) {}
    void ShowModal(Hub& hub, LizenzierungForm& form) override;
    void Lock() override;
    void Hide() override;
    void BringToFront() override { SetForegroundWindow(dialog_); }

private:
    HINSTANCE instance_;
    HWND dialog_ = nullptr;  // while shown
};

}  // namespace kolvane
