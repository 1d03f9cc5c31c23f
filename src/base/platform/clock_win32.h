#pragma once
// The local clock and the message pump of the user-interface thread.
#include "platform/clock.h"

namespace kolvane {

class Win32Clock final : public Clock {
public:
    double Timer() override;
    DateTime Now() override;
    // The system keeps the process's start on its coarse clock; the fine counter carries on from one reading
    // of both.
    double SinceProcessStart() override;
    // A WM_QUIT met here is posted again and ends the pumping, so that the program's message loop sees it.
    void Pump(double maxSeconds) override;

private:
    double ageAtAnchor_ = 0;
    long long anchorCount_ = -1;  // the fine counter at the first reading; -1 before it
};

}  // namespace kolvane
