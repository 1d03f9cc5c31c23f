#pragma once
// The window `Absender` on screen.
#include <windows.h>

#include "members/sender_data.h"

namespace kolvane {

class Win32AbsenderView : public AbsenderView {
public:
    explicit Win32AbsenderView(HINSTANCE instance) : instance_(instance) {}
    void ShowModal(Hub& hub, AbsenderForm& form) override;
    void BringToFront() override { SetForegroundWindow(dialog_); }

private:
    HINSTANCE instance_;
    HWND dialog_ = nullptr;  // while shown
};

}  // namespace kolvane
