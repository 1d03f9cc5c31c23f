#include "hub/tray_symbol.h"

#include "hub/splash.h"
#include "hub_fixture.h"

namespace kolvane {
namespace {

class RecordingSplash : public SplashView {
public:
    EventLog log;
    SplashForm form;
    bool Loaded() const override { return !form.LName.empty(); }
    void Load(const SplashForm& f) override { log.push_back("load " + (form = f).LName); }
    void Show() override { log.push_back("show"); }
    void Unload() override { log.push_back("unload"), form = {}; }
};

// The splash loads once, with the last of the registered owners that exists (Windows 9x, NT, the suite's own),
// and unloads only when loaded.
TEST(SplashTest, LoadsOnceWithTheLastRegisteredOwner) {
    const RegKeyPath keys[] = {{RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion"},
                               {RegRoot::LocalMachine, "Software\\Microsoft\\Windows Nt\\CurrentVersion"}, kSettingsKey};
    const std::vector<const char*> cases[] = {{"Alt"}, {"Alt", "NT"}, {"Alt", "NT", "Verein e.V."}};
    for (const auto& owners : cases) {
        InstalledSystem s;
        RecordingSplash splash;
        s.hub.splashView = &splash;
        for (std::size_t i = 0; i < owners.size(); ++i) {
            RegCreateKey(s.p.registry, keys[i].root, keys[i].path, "");
            RegSetSetting(s.p.registry, keys[i].root, keys[i].path, "RegisteredOwner", std::string(owners[i]));
        }
        UnloadSplash(s.hub);
        ShowSplash(s.hub);
        ShowSplash(s.hub);
        UnloadSplash(s.hub);
        const std::string load = std::string("load ") + owners.back();
        EXPECT_EQ(splash.log, (EventLog{load, "show", "show", "unload"}));
    }
}

TEST(TraySymbolTest, BalloonIsCutToTheFieldsOfTheIconRecord) {
    InstalledSystem s;
    AddTrayIcon(s.hub);
    for (int extra : {0, 1}) ShowTrayBalloon(s.hub, std::string(63 + extra, 'T'), std::string(255 + extra, '\xE4'), BalloonIcon::Warning);
    ASSERT_EQ(s.p.tray.balloons.size(), 2u);
    EXPECT_EQ(s.p.tray.balloons[1].title, std::string(63, 'T'));
    EXPECT_EQ(s.p.tray.balloons[1].text, std::string(255, '\xE4'));
    EXPECT_EQ(s.p.tray.balloons[1].icon, BalloonIcon::Warning);
}

// While the start is not complete a left press starts the info component; once it is, the menu opens instead.
TEST(TraySymbolTest, PressesOnTheIcon) {
    const std::tuple<const char*, int, bool> cases[] = {{"0", 513, true}, {"0", 516, false}, {"0", 512, false}, {"1", 513, false}};
    for (const auto& [symbolTag, lParam, hintfeedStarted] : cases) {
        InstalledSystem s;
        s.Put("C:\\Orvintal\\HINTFEED.EXE");
        s.hub.symbolTag = symbolTag;
        OnSymbolMouse(s.hub, lParam);
        const std::vector<Started> hint{{"\"C:\\Orvintal\\HINTFEED.EXE\" /a", ShowState::Normal}};
        EXPECT_EQ(s.p.shell.started, hintfeedStarted ? hint : std::vector<Started>{}) << symbolTag << " " << lParam;
    }
}

}  // namespace
}  // namespace kolvane
