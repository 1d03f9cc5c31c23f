#pragma once
// A fake clock: time moves only when the code under test pumps messages, and events that a test
// schedules (a peer writing a file, a share coming back) run at their moment, as if dispatched.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/clock.h"

namespace kolvane {

class MemoryClock : public Clock {
public:
    explicit MemoryClock(const DateTime& start = {2026, 12, 7, 9, 0, 0});

    double Timer() override;
    DateTime Now() override;
    double SinceProcessStart() override { return startedBefore + Elapsed(); }
    void Pump(double maxSeconds) override;

    // Runs action once the clock has moved on by afterSeconds from now.
    void Schedule(double afterSeconds, std::function<void()> action);
    void Set(const DateTime& now);
    // Moves the clock on, running what falls due, as if the program had waited.
    void Advance(double seconds);
    // Total seconds the program has waited so far.
    double Elapsed() const { return static_cast<double>(elapsed_) / 1e9; }

    double startedBefore = 0;  // seconds the process had run when the clock was made

private:
    struct Event {
        std::int64_t at;
        std::function<void()> action;
    };
    void RunUntil(std::int64_t end);
    // The earliest event due at or before end, or events_.end().
    std::vector<Event>::iterator NextDue(std::int64_t end);
    void RunEvent(std::vector<Event>::iterator event);
    void MoveTo(std::int64_t at);

    // Nanoseconds since 1970-01-01 00:00, local time. Whole numbers, because seconds held in a double this
    // far from 1970 cannot move by the last fraction of a wait: a wait that pumps its remaining millionth of a
    // second would then pump for ever.
    std::int64_t now_ = 0;
    std::int64_t elapsed_ = 0;  // nanoseconds
    std::vector<Event> events_;
};

}  // namespace kolvane
