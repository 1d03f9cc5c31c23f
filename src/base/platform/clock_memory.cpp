#include "platform/clock_memory.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace kolvane {

namespace {

using namespace std::chrono;

constexpr std::int64_t kNanosPerSecond = 1'000'000'000;
constexpr std::int64_t kNanosPerDay = 86400 * kNanosPerSecond;

std::int64_t ToNanos(const DateTime& t) {
    sys_days day{year{t.year} / t.month / t.day};
    const std::int64_t seconds = static_cast<std::int64_t>(day.time_since_epoch().count()) * 86400 +
                                 std::int64_t{t.hour} * 3600 + std::int64_t{t.minute} * 60 + t.second;
    return seconds * kNanosPerSecond;
}

// Any wait of more than nothing moves the clock, by one nanosecond at least.
std::int64_t NanosOf(double seconds) {
    if (seconds <= 0) return 0;
    return std::max<std::int64_t>(1, std::llround(seconds * static_cast<double>(kNanosPerSecond)));
}

}  // namespace

MemoryClock::MemoryClock(const DateTime& start) : now_(ToNanos(start)) {}

double MemoryClock::Timer() {
    return static_cast<double>(now_ % kNanosPerDay) / static_cast<double>(kNanosPerSecond);
}

DateTime MemoryClock::Now() {
    auto whole = static_cast<long long>(now_ / kNanosPerSecond);
    auto day = sys_days{days{whole / 86400}};
    year_month_day date{day};
    long long second = whole % 86400;
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(second / 3600),
            static_cast<int>(second / 60 % 60), static_cast<int>(second % 60)};
}

void MemoryClock::Pump(double maxSeconds) { Advance(maxSeconds); }

void MemoryClock::Schedule(double afterSeconds, std::function<void()> action) {
    events_.push_back({now_ + NanosOf(afterSeconds), std::move(action)});
}

void MemoryClock::Set(const DateTime& now) {
    now_ = ToNanos(now);
    RunUntil(now_);
}

void MemoryClock::Advance(double seconds) {
    std::int64_t end = now_ + NanosOf(seconds);
    for (auto next = NextDue(end); next != events_.end(); next = NextDue(end)) {
        MoveTo(next->at);
        const std::int64_t at = now_;
        RunEvent(next);
        // An event that set the clock back leaves the rest of the wait to run (one that waited itself has
        // used some of it).
        if (now_ < at) end -= at - now_;
    }
    MoveTo(end);
}

// Each event runs at its own moment, the earliest first, so that what it does (a file that appears, a share
// that comes back) is seen at that time by the rest of the wait, not only when the wait is over.
void MemoryClock::RunUntil(std::int64_t end) {
    for (auto next = NextDue(end); next != events_.end(); next = NextDue(end)) {
        MoveTo(next->at);
        RunEvent(next);
    }
}

std::vector<MemoryClock::Event>::iterator MemoryClock::NextDue(std::int64_t end) {
    auto next = events_.end();
    for (auto e = events_.begin(); e != events_.end(); ++e)
        if (e->at <= end && (next == events_.end() || e->at < next->at)) next = e;
    return next;
}

void MemoryClock::RunEvent(std::vector<Event>::iterator event) {
    auto action = std::move(event->action);
    events_.erase(event);
    action();
}

void MemoryClock::MoveTo(std::int64_t at) {
    if (at <= now_) return;  // an event's own wait may already have gone further
    elapsed_ += at - now_;
    now_ = at;
}

}  // namespace kolvane
