#include "hub/splash.h"

#include "lifecycle_fixture.h"

namespace kolvane {
namespace {

class SplashTest : public LifecycleTest {};

TEST_F(SplashTest, OwnerIsTheLastRegisteredOwnerThatExists) {
    const RegKeyPath windows9x{RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion"};
    const RegKeyPath windowsNt{RegRoot::LocalMachine, "Software\\Microsoft\\Windows Nt\\CurrentVersion"};
    struct Case {
        const char* name;
        std::optional<std::string> old, nt, suite;
        const char* expected;
    };
    const Case cases[] = {
        {"none", std::nullopt, std::nullopt, std::nullopt, ""},
        {"only the old key", "Alt", std::nullopt, std::nullopt, "Alt"},
        {"NT replaces the old key", "Alt", "Beratungsstelle Süd", std::nullopt, "Beratungsstelle Süd"},
        {"the suite's own value wins", "Alt", "NT", "Lohnsteuerhilfe e.V.", "Lohnsteuerhilfe e.V."},
        {"an empty value that exists replaces too", "Alt", "", std::nullopt, ""},
        {"the suite's value without the others", std::nullopt, std::nullopt, "Verein", "Verein"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryPlatform q;
        Hub other(q.os);
        for (const RegKeyPath& key : {windows9x, windowsNt, kSettingsKey}) RegCreateKey(q.registry, key.root, key.path, "");
        if (c.old) RegSetSetting(q.registry, windows9x.root, windows9x.path, "RegisteredOwner", *c.old);
        if (c.nt) RegSetSetting(q.registry, windowsNt.root, windowsNt.path, "RegisteredOwner", *c.nt);
        if (c.suite) RegSetSetting(q.registry, kSettingsKey.root, kSettingsKey.path, "RegisteredOwner", *c.suite);

        EXPECT_EQ(LoadSplashForm(other).LName, c.expected);
    }
}

}  // namespace
}  // namespace kolvane
