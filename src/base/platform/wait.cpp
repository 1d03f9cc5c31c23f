#include "platform/wait.h"

namespace kolvane {

namespace {
constexpr double kSecondsPerDay = 86400.0;
constexpr double kPumpSlice = 0.05;  // short enough for a responsive icon, long enough not to spin
}  // namespace

void Wait(Clock& clock, double seconds) {
    double start = clock.Timer();
    for (;;) {
        double now = clock.Timer();
        if (now < start) start -= kSecondsPerDay;
        double left = seconds - (now - start);
        if (left <= 0) return;
        clock.Pump(left < kPumpSlice ? left : kPumpSlice);
    }
}

}  // namespace kolvane
