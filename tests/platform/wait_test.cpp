#include "platform/wait.h"

#include <gtest/gtest.h>

#include "platform/clock_memory.h"

namespace kolvane {
namespace {

TEST(Wait, WaitsTheGivenSecondsAcrossMidnight) {
    struct Case {
        const char* name;
        DateTime start;
        double seconds;
    };
    const Case cases[] = {
        {"morning", {2026, 12, 7, 9, 0, 0}, 4},
        {"ends at midnight", {2026, 12, 7, 23, 59, 58}, 2},
        {"crosses midnight", {2026, 12, 7, 23, 59, 59}, 3},
        {"crosses the year", {2026, 12, 31, 23, 59, 30}, 60},
        {"nothing to wait", {2026, 12, 7, 12, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryClock clock(c.start);
        Wait(clock, c.seconds);
        EXPECT_NEAR(clock.Elapsed(), c.seconds, 0.051);
        EXPECT_GE(clock.Elapsed(), c.seconds);
    }
}

TEST(Wait, RunsWhatFallsDueWhileWaiting) {
    MemoryClock clock({2026, 12, 7, 23, 59, 59});
    std::vector<int> ran;
    clock.Schedule(0.5, [&] { ran.push_back(1); });
    clock.Schedule(2.5, [&] { ran.push_back(2); });
    clock.Schedule(9, [&] { ran.push_back(3); });
    Wait(clock, 3);
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
    EXPECT_EQ(clock.Now(), (DateTime{2026, 12, 8, 0, 0, 2}));
}

}  // namespace
}  // namespace kolvane
