#pragma once
// The window `Absender` on screen.
#include <windows.h>

#include "members/sender_data.h"

namespace kolvane {

class Win32AbsenderView : public AbsenderView {
public:
    explicit Win32AbsenderView(HINSTANCE instance) : instance_(instance) {}
    void ShowModal(Hub& hub, AbsenderForm& form) override;

private:
    HINSTANCE instance_;
};

}  // namespace kolvane
