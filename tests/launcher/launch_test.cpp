#include "launcher/launch.h"

#include "launcher_fixture.h"

namespace kolvane {
namespace {

class LaunchTest : public LauncherTest {};

TEST_F(LaunchTest, AHintIsStoredAndShownByTheInfoComponentWhenItIsThere) {
    HintMessage(hub, "Ohne Anzeige");
    EXPECT_EQ(Stored(Setting::Infotip), "Ohne Anzeige");
    EXPECT_TRUE(Started().empty());
    PutProgram("HINTFEED.EXE");
    HintMessage(hub, "Die Fristen sind gepr\xFC" "ft.");
    EXPECT_EQ(Stored(Setting::Infotip), "Die Fristen sind gepr\xFC" "ft.");
    EXPECT_EQ(p.shell.started,
              (std::vector<MemoryShell::Started>{{Quoted("HINTFEED.EXE") + " /me", ShowState::Normal}}));
}

}  // namespace
}  // namespace kolvane
