#pragma once
// A window of the hub shown modally and at most once at a time: the icon still opens the menu while it is
// open, and a second window on the same data would let one overwrite what the other stored.
#include "hub/flag_scope.h"

namespace kolvane {

class ModalWindow {
public:
    virtual ~ModalWindow() = default;
    // A window already open comes to the front.
    virtual void BringToFront() = 0;
    bool open = false;  // while the window is shown
};

// Runs show (loading and showing the window) unless the window is open already, which then comes to the front.
template <typename Show>
void ShowOnce(ModalWindow& window, Show show) {
    if (window.open) return window.BringToFront();
    FlagScope open(window.open);
    show();
}

}  // namespace kolvane
