#include "launcher/menu_placement.h"

#include <gtest/gtest.h>

namespace kolvane {
namespace {

TEST(MenuPlacementTest, OpensFromTheIconTowardsTheMiddleOfTheScreen) {
    struct Case {
        const char* name;
        ScreenRect screen;
        ScreenRect icon;
        MenuPlacement expected;
    };
    const ScreenRect primary{0, 0, 1280, 1024};
    const Case cases[] = {
        {"task bar at the bottom", primary, {1180, 994, 1204, 1018}, {{1204, 994}, true, true, {1180, 994, 1204, 1018}}},
        {"task bar at the top", primary, {1180, 4, 1204, 28}, {{1204, 28}, true, false, {1180, 4, 1204, 28}}},
        {"task bar at the left", primary, {4, 980, 28, 1004}, {{4, 980}, false, true, {4, 980, 28, 1004}}},
        {"task bar at the right, icon high up", primary, {1250, 100, 1274, 124},
         {{1274, 124}, true, false, {1250, 100, 1274, 124}}},
        {"second screen left of the primary", {-1920, 0, 0, 1080}, {-100, 1050, -76, 1074},
         {{-76, 1050}, true, true, {-100, 1050, -76, 1074}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlaceMenu(c.screen, c.icon), c.expected);
    }
}

}  // namespace
}  // namespace kolvane
