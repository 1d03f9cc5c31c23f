#pragma once
// The start's own work: the time from the process's start, as the system reports it, to the ready icon, less
// the time the hub spent waiting on purpose: the fixed waits of the start and the completion timer's periods
// between its ticks. Those say how long the start chooses to wait, not how much work it does, so only the
// rest shows whether a change made the start slower. The figure goes into the diagnostic log; a message box
// answered during the start counts as work, as the hub cannot tell the user's time from its own.
#include <string>

#include "platform/clock.h"

namespace kolvane {

class StartTiming {
public:
    explicit StartTiming(Clock& clock) : clock_(clock) {}
    // Waits nest: a message let run inside one wait may wait itself; the outermost one counts.
    void WaitBegins();
    void WaitEnds();
    // The log's line at the ready icon: the own work and the time since the process's start, in milliseconds.
    std::string ReadyLine();

private:
    Clock& clock_;
    int depth_ = 0;
    double waitBegan_ = 0;
    double waited_ = 0;
};

// Counts its lifetime as waiting (a fixed wait), or, made with waiting = false, as work inside a wait
// (a tick of the completion timer, which ends the wait for it and begins the next).
class StartWaitScope {
public:
    explicit StartWaitScope(StartTiming& timing, bool waiting = true) : timing_(timing), waiting_(waiting) {
        waiting_ ? timing_.WaitBegins() : timing_.WaitEnds();
    }
    ~StartWaitScope() { waiting_ ? timing_.WaitEnds() : timing_.WaitBegins(); }
    StartWaitScope(const StartWaitScope&) = delete;
    StartWaitScope& operator=(const StartWaitScope&) = delete;

private:
    StartTiming& timing_;
    bool waiting_;
};

}  // namespace kolvane
