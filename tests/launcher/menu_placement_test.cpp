#include "launcher/menu_placement.h"

#include <gtest/gtest.h>

namespace kolvane {
namespace {

TEST(MenuPlacementTest, OpensFromTheIconTowardsTheMiddleOfTheScreen) {
    const ScreenRect screen{0, 0, 1280, 1024};
    struct Case {
        const char* name;
        std::optional<ScreenRect> icon;
        ScreenPoint cursor;
        MenuPlacement expected;
    };
    const Case cases[] = {
        {"task bar at the bottom", ScreenRect{1180, 994, 1204, 1018}, {1190, 1000},
         {{1204, 994}, true, true, {1180, 994, 1204, 1018}}},
        {"task bar at the top", ScreenRect{1180, 4, 1204, 28}, {1190, 10}, {{1204, 28}, true, false, {1180, 4, 1204, 28}}},
        {"task bar at the left", ScreenRect{4, 980, 28, 1004}, {10, 990}, {{4, 980}, false, true, {4, 980, 28, 1004}}},
        {"no icon rectangle: the pointer", std::nullopt, {1250, 1010},
         {{1251, 1010}, true, true, {1250, 1010, 1251, 1011}}},
        {"no icon rectangle, pointer at the top left", std::nullopt, {3, 5}, {{3, 6}, false, false, {3, 5, 4, 6}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlaceMenu(screen, c.icon, c.cursor), c.expected);
    }
}

TEST(MenuPlacementTest, SecondScreenLeftOfThePrimary) {
    const ScreenRect screen{-1920, 0, 0, 1080};
    const MenuPlacement placed = PlaceMenu(screen, ScreenRect{-100, 1050, -76, 1074}, {-90, 1060});
    EXPECT_TRUE(placed.rightAligned);
    EXPECT_TRUE(placed.bottomAligned);
    EXPECT_EQ(placed.at.x, -76);
}

}  // namespace
}  // namespace kolvane
