#include "launcher_fixture.h"

namespace kolvane {
namespace {

class OwnWindowsTest : public LauncherTest {};

TEST_F(OwnWindowsTest, AnOpenSearchWindowIsBroughtToTheFront) {
    const WindowId search = p.windows.Create("ThunderRT6FormDC", " Personen suchen");
    Choose(ActionKey::Suchen);
    EXPECT_EQ(p.windows.foreground, search);
}

TEST_F(OwnWindowsTest, BeendenRunsTheExitCommand) {
    PutProgram("CLOSEALL.EXE");
    EXPECT_THROW(Choose(ActionKey::Beenden), ProcessTerminated);
    EXPECT_EQ(Started(), std::vector<std::string>{Quoted("CLOSEALL.EXE")});
}

}  // namespace
}  // namespace kolvane
