#pragma once
// The splash window `Startup`, shown while the hub starts: its label `LName` names the registered owner.
#include <string>

#include "hub/hub.h"

namespace kolvane {

struct SplashForm {
    std::string LName;
};

// The load of the window: the owner is the value `RegisteredOwner` of the Windows keys and then of the
// settings key, a later value that exists replacing an earlier one.
SplashForm LoadSplashForm(Hub& hub);

// The window on screen. Implemented by splash_win32.cpp and by the tests' fake.
class SplashView {
public:
    virtual ~SplashView() = default;
    virtual bool Loaded() const = 0;
    // Creates the window, hidden, owned by the hub window, with the form copied into it.
    virtual void Load(const SplashForm& form) = 0;
    // Shows the loaded window modeless, in front.
    virtual void Show() = 0;
    virtual void Unload() = 0;
};

}  // namespace kolvane
