#include "app/tray_symbol.h"

#include "app/splash.h"
#include "hub/hub_fixture.h"

namespace kolvane {
namespace {

struct RecordingSplash : SplashView {
    bool Loaded() const override { return loaded; }
    void Load(const SplashForm& f) override { log.push_back("load " + f.LName), loaded = true; }
    void Show() override { log.push_back("show"); }
    void Unload() override { log.push_back("unload"), loaded = false; }
    EventLog log;
    bool loaded = false;
};

// The splash loads once, with the last of the registered owners that exists (Windows 9x, NT, the suite's own),
// and unloads only when loaded.
TEST(SplashTest, LoadsOnceWithTheLastRegisteredOwner) {
    InstalledSystem s;
    RecordingSplash splash;
    s.hub.splashView = &splash;
    const RegKeyPath windowsNt{RegRoot::LocalMachine, "Software\\Microsoft\\Windows Nt\\CurrentVersion"};
    for (const RegKeyPath& key : {windowsNt, kSettingsKey}) {
        RegCreateKey(s.p.registry, key.root, key.path, "");
        RegSetSetting(s.p.registry, key.root, key.path, "RegisteredOwner", std::string(key.path));
        UnloadSplash(s.hub);
        ShowSplash(s.hub);
        ShowSplash(s.hub);
        UnloadSplash(s.hub);
        EXPECT_EQ(splash.log, (EventLog{std::string("load ") + key.path, "show", "show", "unload"}));
        splash.log.clear();
    }
}

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
