#include "app/tray_symbol.h"

#include "hub/hub_fixture.h"

namespace kolvane {
namespace {

// While the start is not complete a left press starts the info component unless its window is open already; once
// the start is complete, the menu opens instead.
TEST(TraySymbolTest, PressesOnTheIcon) {
    const std::vector<Started> hint{{"\"C:\\Orvintal\\HINTFEED.EXE\" /a", ShowState::Normal}}, none;
    for (const auto& [symbolTag, lParam, started, hintOpen] : {std::tuple{"0", 513, hint, false}, {"0", 513, none, true},
                                                               {"0", 516, none, false}, {"0", 512, none, false}, {"1", 513, none, false}}) {
        InstalledSystem s;
        s.Put("C:\\Orvintal\\HINTFEED.EXE");
        if (hintOpen) s.p.windows.Create("ThunderRT6FormDC", "Brekkan Hintfeed");
        s.hub.symbolTag = symbolTag;
        OnSymbolMouse(s.hub, lParam);
        EXPECT_EQ(s.p.shell.started, started) << symbolTag << " " << lParam;
    }
}

}  // namespace
}  // namespace kolvane
