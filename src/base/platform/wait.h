#pragma once
#include "platform/clock.h"

namespace kolvane {

// The seconds passed on the seconds-since-midnight clock since the stopwatch was made, read step by step.
// At midnight the clock falls back by a day, which still counts forward. Any smaller fall (the clock set
// back, or two readings a moment apart coming back out of order, as under load) counts as no time passed:
// a wait is then neither cut short at once nor made an hour longer.
class Stopwatch {
public:
    explicit Stopwatch(Clock& clock) : clock_(clock), last_(clock.Timer()) {}
    double Seconds();

private:
    Clock& clock_;
    double last_;
    double passed_ = 0;
};

// Waits the given seconds on the seconds-since-midnight clock while pumping window messages, so that
// timers and commands run meanwhile. Every wait of the program goes through here.
void Wait(Clock& clock, double seconds);

}  // namespace kolvane
