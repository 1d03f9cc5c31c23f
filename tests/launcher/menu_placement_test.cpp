#include "launcher/menu_placement.h"

#include <gtest/gtest.h>

namespace kolvane {
namespace {

// From the icon towards the middle of its screen, whichever edge holds the task bar, on a screen left of the
// primary one too; the icon itself stays uncovered.
TEST(MenuPlacement, OpensFromTheIconTowardsTheMiddleOfTheScreen) {
    const ScreenRect primary{0, 0, 1280, 1024}, bottomRight{1180, 994, 1204, 1018}, topLeft{4, 4, 28, 28};
    EXPECT_EQ(PlaceMenu(primary, bottomRight), (MenuPlacement{{1204, 994}, true, true, bottomRight}));
    EXPECT_EQ(PlaceMenu(primary, topLeft), (MenuPlacement{{4, 28}, false, false, topLeft}));
    const ScreenRect left{-100, 1050, -76, 1074};
    EXPECT_EQ(PlaceMenu({-1920, 0, 0, 1080}, left), (MenuPlacement{{-76, 1050}, true, true, left}));
}

}  // namespace
}  // namespace kolvane
