#pragma once
// The system's printer set-up dialog, whose choice becomes the default printer.
#include <windows.h>

#include "launcher/menu_views.h"

namespace kolvane {

class Win32PrinterDialog : public PrinterDialog {
public:
    explicit Win32PrinterDialog(HINSTANCE instance) : instance_(instance) {}
    std::string ChooseDefault(const std::string& title, const std::string& preselected) override;

private:
    HINSTANCE instance_;
};

}  // namespace kolvane
