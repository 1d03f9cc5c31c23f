#include "platform/clock_memory.h"

#include <gtest/gtest.h>

#include "platform/wait.h"

namespace kolvane {
namespace {

// Seconds held in a double decades after 1970 cannot move by a millionth: a wait pumping its last fraction
// would never end. Short waits in a row, as a bounded wait for a process makes them, end on time, and a
// wait across midnight, where the timer starts again from 0, ends after the given seconds too.
TEST(MemoryClock, WaitsEndOnTimeAcrossMidnight) {
    const struct { DateTime start; int waits; double seconds; } cases[] = {
        {{2026, 12, 7, 9, 0, 0}, 1300, 0.1}, {{2026, 12, 7, 23, 59, 50}, 1300, 0.1}, {{2026, 12, 7, 23, 59, 59}, 1, 3},
        {{2026, 12, 31, 23, 59, 30}, 1, 60}, {{2026, 12, 7, 9, 0, 0}, 1, 0}};
    for (const auto& c : cases) {
        MemoryClock clock(c.start);
        for (int i = 0; i < c.waits; ++i) Wait(clock, c.seconds);
        SCOPED_TRACE(testing::Message() << c.start.hour << ":" << c.start.minute << ", " << c.waits << " waits");
        EXPECT_GE(clock.Elapsed(), c.waits * c.seconds - 1e-5);
        EXPECT_LT(clock.Elapsed(), c.waits * c.seconds + (c.waits > 1 ? 1e-5 : 0.051));
        const double before = clock.Timer();
        clock.Pump(1e-12);
        EXPECT_GT(clock.Timer(), before);
    }
}

// A clock set back inside a wait (a second, or an hour at the end of summer time) is no midnight: the wait
// still ends after its own seconds, neither at once nor an hour later.
TEST(MemoryClock, AClockSetBackNeitherCutsNorStretchesAWait) {
    for (const DateTime setTo : {DateTime{2026, 10, 25, 2, 30, 0}, DateTime{2026, 10, 25, 1, 30, 0}}) {
        SCOPED_TRACE(testing::Message() << "set back to " << setTo.hour << ":" << setTo.minute);
        MemoryClock clock({2026, 10, 25, 2, 30, 0});
        clock.Schedule(1, [&] { clock.Set(setTo); });
        Wait(clock, 3);
        EXPECT_NEAR(clock.Elapsed(), 3, 0.051);
    }
}

// A peer's action inside a long wait happens at its own moment, in order, and sees that moment's time.
TEST(MemoryClock, EventsInsideOneAdvanceRunAtTheirOwnTime) {
    MemoryClock clock({2026, 12, 7, 9, 0, 0});
    std::vector<int> seenSecond;
    for (const double at : {7.0, 12.0, 3.0}) clock.Schedule(at, [&] { seenSecond.push_back(clock.Now().second); });
    clock.Schedule(3, [&] { clock.Pump(1); });  // an event that waits itself moves the clock on, not back
    clock.Advance(10);
    EXPECT_EQ(seenSecond, (std::vector<int>{3, 7}));
    EXPECT_EQ(clock.Now().second, 10);
    EXPECT_NEAR(clock.Elapsed(), 10, 1e-9);
}

}  // namespace
}  // namespace kolvane
