#include "launcher_fixture.h"

namespace kolvane {
namespace {

class WebPagesTest : public LauncherTest {
protected:
    std::vector<std::string> Opened() const {
        std::vector<std::string> pages;
        for (const auto& e : p.shell.executed) {
            EXPECT_EQ(e.verb, "open");
            EXPECT_EQ(e.show, ShowState::Normal);
            pages.push_back(e.file);
        }
        return pages;
    }
};

TEST_F(WebPagesTest, ThePortalOpensAtItsSecurityStickLogin) {
    Choose(ActionKey::ElsterOnline);
    hub.settings.WriteText(Setting::PortalUrl, "https://portal.example.de/");
    Choose(ActionKey::ElsterOnline);
    EXPECT_EQ(Opened(), (std::vector<std::string>{"https://www.elster.de/eportal/login/sicherheitsstick",
                                                  "https://portal.example.de/eportal/login/sicherheitsstick"}));
}

// Without the route component the map page shows the way: the entry stays usable.
TEST_F(WebPagesTest, TheRouteCalculationFallsBackToTheMapPage) {
    PutProgram("WAYCHECK.EXE");
    Choose(ActionKey::BerechnungWeg);
    EXPECT_EQ(Started(), std::vector<std::string>{Quoted("WAYCHECK.EXE") + "/2"});
    p.files.Delete(ProgramFile(hub, "WAYCHECK.EXE"));
    Choose(ActionKey::BerechnungWeg);
    hub.settings.WriteText(Setting::MapUrl, "https://karte.example.de/");
    Choose(ActionKey::BerechnungWeg);
    EXPECT_EQ(Opened(), (std::vector<std::string>{"https://www.openstreetmap.org?map=52.4915,13.37865,13,normal",
                                                  "https://karte.example.de/?map=52.4915,13.37865,13,normal"}));
    EXPECT_TRUE(menu.disabled.empty());
}

}  // namespace
}  // namespace kolvane
