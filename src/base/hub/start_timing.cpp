#include "hub/start_timing.h"

#include <cmath>

namespace kolvane {

namespace {

std::string Milliseconds(double seconds) { return std::to_string(std::llround(seconds * 1000)) + " ms"; }

}  // namespace

void StartTiming::WaitBegins() {
    if (depth_++ == 0) waitBegan_ = clock_.SinceProcessStart();
}

void StartTiming::WaitEnds() {
    if (depth_ > 0 && --depth_ == 0) waited_ += clock_.SinceProcessStart() - waitBegan_;
}

std::string StartTiming::ReadyLine() {
    const double total = clock_.SinceProcessStart();
    return "Start bereit: " + Milliseconds(total - waited_) + " eigene Arbeit, " + Milliseconds(total) +
           " seit dem Prozessstart";
}

}  // namespace kolvane
