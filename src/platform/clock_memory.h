#pragma once
// A fake clock: time moves only when the code under test pumps messages, and events that a test
// schedules (a peer writing a file, a share coming back) run at their moment, as if dispatched.
#include <functional>
#include <vector>

#include "platform/clock.h"

namespace kolvane {

class MemoryClock : public Clock {
public:
    explicit MemoryClock(DateTime start = {2026, 12, 7, 9, 0, 0});

    double Timer() override;
    DateTime Now() override;
    void Pump(double maxSeconds) override;

    // Runs action once the clock has moved on by afterSeconds from now.
    void Schedule(double afterSeconds, std::function<void()> action);
    void Set(DateTime now);
    // Moves the clock on, running what falls due, as if the program had waited.
    void Advance(double seconds);
    // Total seconds the program has waited so far.
    double Elapsed() const { return elapsed_; }

private:
    struct Event {
        double at;
        std::function<void()> action;
    };
    void RunDue();

    double now_ = 0;  // seconds since 1970-01-01 00:00, local time
    double elapsed_ = 0;
    std::vector<Event> events_;
};

}  // namespace kolvane
