#pragma once
// The prompt `passwort` on screen, owned by the task-bar stand-in so that the user finds it in the task bar.
#include <windows.h>

#include "password/password_prompt.h"

namespace kolvane {

class Win32PasswortView : public PasswortView {
public:
    explicit Win32PasswortView(HINSTANCE instance) : instance_(instance) {}
    void ShowModal(Hub& hub, PasswortForm& form) override;

private:
    HINSTANCE instance_;
};

}  // namespace kolvane
