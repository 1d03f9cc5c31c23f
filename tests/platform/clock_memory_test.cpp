#include "platform/clock_memory.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/wait.h"

namespace kolvane {
namespace {

// Seconds held in a double decades after 1970 cannot move by a millionth: a wait pumping its last fraction
// would never end. Short waits in a row, as a bounded wait for a process makes them, end on time.
TEST(MemoryClock, ManyShortWaitsInARowEndOnTime) {
    for (const DateTime start : {DateTime{2026, 12, 7, 9, 0, 0}, DateTime{2026, 12, 7, 23, 59, 50}}) {
        SCOPED_TRACE(start.hour);
        MemoryClock clock(start);
        for (int i = 0; i < 1300; ++i) Wait(clock, 0.1);
        EXPECT_NEAR(clock.Elapsed(), 130, 1e-5);
    }
    MemoryClock clock;
    const double before = clock.Timer();
    clock.Pump(1e-12);
    EXPECT_GT(clock.Timer(), before);
}

// A peer's action inside a long wait happens at its own moment, in order, and sees that moment's time.
TEST(MemoryClock, EventsInsideOneAdvanceRunAtTheirOwnTime) {
    MemoryClock clock({2026, 12, 7, 9, 0, 0});
    std::vector<int> seenSecond;
    clock.Schedule(7, [&] { seenSecond.push_back(clock.Now().second); });
    clock.Schedule(3, [&] {
        seenSecond.push_back(clock.Now().second);
        clock.Pump(1);  // an event that waits itself moves the clock on, not back
    });
    clock.Advance(10);
    EXPECT_EQ(seenSecond, (std::vector<int>{3, 7}));
    EXPECT_EQ(clock.Now().second, 10);
    EXPECT_NEAR(clock.Elapsed(), 10, 1e-9);
}

}  // namespace
}  // namespace kolvane
