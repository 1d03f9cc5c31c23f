#include "hub/tray_symbol.h"

#include "lifecycle_fixture.h"

namespace kolvane {
namespace {

class TraySymbolTest : public LifecycleTest {
protected:
    TraySymbolTest() { p.tray.Remove(); }
};

TEST_F(TraySymbolTest, BalloonIsCutToTheFieldsOfTheIconRecord) {
    AddTrayIcon(hub);
    struct Case {
        std::size_t titleLength, textLength, titleShown, textShown;
    };
    const Case cases[] = {
        {8, 40, 8, 40}, {63, 255, 63, 255}, {64, 256, 63, 255}, {100, 1000, 63, 255}, {0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.titleLength) + "/" + std::to_string(c.textLength));
        p.tray.balloons.clear();
        ShowTrayBalloon(hub, std::string(c.titleLength, 'T'), std::string(c.textLength, '\xE4'), BalloonIcon::Warning);
        ASSERT_EQ(p.tray.balloons.size(), 1u);
        EXPECT_EQ(p.tray.balloons[0].title, std::string(c.titleShown, 'T'));
        EXPECT_EQ(p.tray.balloons[0].text, std::string(c.textShown, '\xE4'));
        EXPECT_EQ(p.tray.balloons[0].icon, BalloonIcon::Warning);
    }
}

TEST_F(TraySymbolTest, PressesOnTheIcon) {
    struct Case {
        const char* name;
        const char* symbolTag;
        int lParam;
        bool hintfeedStarted;
    };
    const Case cases[] = {
        {"left press while starting", "0", 513, true},
        {"right press while starting", "0", 516, false},
        {"mouse move while starting", "0", 512, false},
        {"left press once ready", "1", 513, false},
        {"right press once ready", "1", 516, false},
        {"left press with an odd tag", "", 513, true},
    };
    p.files.Put("C:\\Orvintal\\HINTFEED.EXE", "");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        p.shell.started.clear();
        hub.symbolTag = c.symbolTag;
        OnSymbolMouse(hub, c.lParam);
        if (c.hintfeedStarted)
            EXPECT_EQ(p.shell.started,
                      (std::vector<MemoryShell::Started>{{"\"C:\\Orvintal\\HINTFEED.EXE\" /a", ShowState::Normal}}));
        else
            EXPECT_TRUE(p.shell.started.empty());
    }
}

TEST_F(TraySymbolTest, SplashLoadsOnceWithTheOwnerAndUnloadsOnlyWhenLoaded) {
    RegSetSetting(p.registry, kSettingsKey.root, kSettingsKey.path, "RegisteredOwner",
                  std::string("Lohnsteuerhilfe Musterstadt e.V."));
    UnloadSplash(hub);
    EXPECT_TRUE(log.empty()) << "nothing to unload";

    ShowSplash(hub);
    ShowSplash(hub);
    UnloadSplash(hub);
    ShowSplash(hub);

    EXPECT_EQ(log, (EventLog{"splash loaded", "splash shown", "splash shown", "splash unloaded", "splash loaded",
                             "splash shown"}));
    EXPECT_EQ(splash.form.LName, "Lohnsteuerhilfe Musterstadt e.V.");
}

}  // namespace
}  // namespace kolvane
