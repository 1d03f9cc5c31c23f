#pragma once
// The change dialog `Kennwort` on screen.
#include <windows.h>

#include "password/password_change.h"

namespace kolvane {

class Win32KennwortView : public KennwortView {
public:
    explicit Win32KennwortView(HINSTANCE instance) : instance_(instance) {}
    void ShowModal(Hub& hub, KennwortForm& form) override;

private:
    HINSTANCE instance_;
};

}  // namespace kolvane
