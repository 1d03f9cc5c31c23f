#pragma once
// Time and the message pump. Implemented by clock_win32.cpp and clock_memory.cpp (a fake clock that
// moves only when the code under test waits).
#include <string>

namespace kolvane {

struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    friend bool operator==(const DateTime&, const DateTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with fractions.
    virtual double Timer() = 0;
    virtual DateTime Now() = 0;
    // Seconds since this process was started, as the system reports its start, on a fine clock.
    virtual double SinceProcessStart() = 0;
    // Dispatches pending window messages, waiting at most maxSeconds for one to arrive.
    virtual void Pump(double maxSeconds) = 0;
};

}  // namespace kolvane
