#include "launcher_fixture.h"

namespace kolvane {
namespace {

class UpdateLaunchTest : public LauncherTest {};

TEST_F(UpdateLaunchTest, TheMenuStartsTheUpdateManagerThatIsThere) {
    struct Case {
        const char* name;
        ActionKey key;
        bool dll, exe;          // UPDCTRL.DLL, UPDCTRL.EXE present
        DateTime today;
        const char* started;    // command line after the quoted path; null: the entry is disabled
        const char* updates;    // `Updates` afterwards, "" for untouched
    };
    const Case cases[] = {
        {"complete", ActionKey::UpdateType_1, true, true, {2026, 12, 7, 9, 0, 0}, "UPDCTRL.DLL\" /a", ""},
        {"complete, older manager", ActionKey::UpdateType_1, false, true, {2026, 12, 7, 9, 0, 0}, "UPDCTRL.EXE\" /a", ""},
        {"complete, none", ActionKey::UpdateType_1, false, false, {2026, 12, 7, 9, 0, 0}, nullptr, ""},
        {"web pack", ActionKey::UpdateType_2, true, true, {2026, 12, 7, 9, 0, 0}, "UPDCTRL.DLL\" /v", "01.01.2026"},
        {"web pack in January", ActionKey::UpdateType_2, true, false, {2027, 1, 31, 9, 0, 0}, "UPDCTRL.DLL\" /v",
         "01.01.2026"},
        {"web pack, older manager: package update", ActionKey::UpdateType_2, false, true, {2026, 2, 1, 9, 0, 0},
         "UPDCTRL.EXE\" /p", "01.01.2026"},
        {"web pack, none", ActionKey::UpdateType_2, false, false, {2026, 12, 7, 9, 0, 0}, nullptr, ""},
    };
    int itemNr = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* name : {"UPDCTRL.DLL", "UPDCTRL.EXE"}) p.files.Delete(ProgramFile(hub, name));
        if (c.dll) PutProgram("UPDCTRL.DLL");
        if (c.exe) PutProgram("UPDCTRL.EXE");
        p.clock.Set(c.today);
        hub.settings.Delete(Setting::Updates);
        p.shell.started.clear();
        menu.disabled.clear();

        Choose(c.key, ++itemNr);

        if (c.started) {
            EXPECT_EQ(p.shell.started, (std::vector<MemoryShell::Started>{
                                           {"\"" + hub.programFolder + "\\" + c.started, ShowState::Normal}}));
            EXPECT_TRUE(menu.disabled.empty());
        } else {
            EXPECT_TRUE(p.shell.started.empty());
            EXPECT_EQ(menu.disabled, std::vector<int>{itemNr});
        }
        EXPECT_EQ(Stored(Setting::Updates), c.updates);
    }
}

}  // namespace
}  // namespace kolvane
