#include "platform/clock_memory.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace kolvane {

namespace {

using namespace std::chrono;

double ToSeconds(const DateTime& t) {
    sys_days day{year{t.year} / t.month / t.day};
    return static_cast<double>(day.time_since_epoch().count()) * 86400.0 + t.hour * 3600.0 + t.minute * 60.0 + t.second;
}

}  // namespace

MemoryClock::MemoryClock(DateTime start) : now_(ToSeconds(start)) {}

double MemoryClock::Timer() { return now_ - std::floor(now_ / 86400.0) * 86400.0; }

DateTime MemoryClock::Now() {
    auto whole = static_cast<long long>(std::floor(now_));
    auto day = sys_days{days{whole / 86400}};
    year_month_day date{day};
    long long second = whole % 86400;
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())), static_cast<int>(second / 3600),
            static_cast<int>(second / 60 % 60), static_cast<int>(second % 60)};
}

void MemoryClock::Pump(double maxSeconds) { Advance(maxSeconds); }

void MemoryClock::Schedule(double afterSeconds, std::function<void()> action) {
    events_.push_back({now_ + afterSeconds, std::move(action)});
}

void MemoryClock::Set(DateTime now) {
    now_ = ToSeconds(now);
    RunDue();
}

void MemoryClock::Advance(double seconds) {
    now_ += seconds;
    elapsed_ += seconds;
    RunDue();
}

void MemoryClock::RunDue() {
    for (;;) {
        auto due = std::find_if(events_.begin(), events_.end(), [&](const Event& e) { return e.at <= now_ + 1e-9; });
        if (due == events_.end()) return;
        auto action = std::move(due->action);
        events_.erase(due);
        action();
    }
}

}  // namespace kolvane
