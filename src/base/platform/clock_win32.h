#pragma once
// The local clock and the message pump of the user-interface thread.
#include "platform/clock.h"

namespace kolvane {

class Win32Clock final : public Clock {
public:
    double Timer() override;
    DateTime Now() override;
    // A WM_QUIT met here is posted again and ends the pumping, so that the program's message loop sees it.
    void Pump(double maxSeconds) override;
};

}  // namespace kolvane
