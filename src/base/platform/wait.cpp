#include "platform/wait.h"

namespace kolvane {

namespace {
constexpr double kSecondsPerDay = 86400.0;
constexpr double kPumpSlice = 0.05;  // short enough for a responsive icon, long enough not to spin
}  // namespace

double Stopwatch::Seconds() {
    const double now = clock_.Timer();
    double step = now - last_;
    if (step < 0) step = step < -kSecondsPerDay / 2 ? step + kSecondsPerDay : 0;
    passed_ += step;
    last_ = now;
    return passed_;
}

void Wait(Clock& clock, double seconds) {
    Stopwatch stopwatch(clock);
    for (;;) {
        const double left = seconds - stopwatch.Seconds();
        if (left <= 0) return;
        clock.Pump(left < kPumpSlice ? left : kPumpSlice);
    }
}

}  // namespace kolvane
