#pragma once
// The about box on screen.
#include <windows.h>

#include "launcher/about_box.h"

namespace kolvane {

class Win32AboutView : public AboutView {
public:
    explicit Win32AboutView(HINSTANCE instance) : instance_(instance) {}
    void Show(const AboutForm& form) override;

private:
    HINSTANCE instance_;
    HWND open_ = nullptr;
};

}  // namespace kolvane
