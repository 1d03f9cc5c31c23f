#pragma once
// The about box `Informationen`: the program's name, its version as its VERSIONINFO gives it, and the maker's
// address. It closes on request (OK, Esc, the close box).
#include <string>
#include <vector>

#include "hub/hub.h"

namespace kolvane {

inline constexpr char kAboutCaption[] = " Informationen";

struct AboutForm {
    std::string product;
    std::string version;               // "Version 1.0.0"
    std::vector<std::string> address;  // the maker, one line each
};

AboutForm LoadAboutForm(Hub& hub);

// The window on screen. Implemented by about_box_win32.cpp and by the tests' fake.
class AboutView {
public:
    virtual ~AboutView() = default;
    // Shows the window until the user closes it; while it is open, a second request brings it to the front.
    virtual void Show(const AboutForm& form) = 0;
};

// Shows the about box of the hub's menu; nothing when the program has no window for it.
void ShowAboutBox(Hub& hub);

}  // namespace kolvane
