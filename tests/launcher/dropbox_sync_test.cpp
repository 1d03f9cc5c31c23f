#include "launcher_fixture.h"

namespace kolvane {
namespace {

class DropboxSyncTest : public LauncherTest {
protected:
    DropboxSyncTest() {
        PutProgram("NETSHARE.EXE");
        p.shell.onStart = [this](const MemoryShell::Started&) { startedAt.push_back(p.clock.Elapsed()); };
    }
    // The clean run ends after the given seconds.
    void CleanRunTakes(double seconds) {
        p.shell.hasEnded = [this, seconds](const MemoryShell::Started&) { return p.clock.Elapsed() >= seconds; };
    }
    std::vector<double> startedAt;
};

TEST_F(DropboxSyncTest, TheRestoreStartsOnlyOnceTheCleanRunHasEnded) {
    CleanRunTakes(30);
    Choose(ActionKey::DropboxSync);
    EXPECT_EQ(p.shell.started, (std::vector<MemoryShell::Started>{
                                   {Quoted("NETSHARE.EXE") + "/clean", ShowState::Normal, true},
                                   {Quoted("NETSHARE.EXE") + "/restore", ShowState::Normal, false}}));
    ASSERT_EQ(startedAt.size(), 2u);
    EXPECT_EQ(startedAt[0], 0);
    EXPECT_NEAR(startedAt[1], 30, 0.2);
    EXPECT_TRUE(p.dialogs.shown.empty());
}

TEST_F(DropboxSyncTest, ACleanRunThatDoesNotEndIsNotFollowedByTheRestore) {
    CleanRunTakes(100000);
    Choose(ActionKey::DropboxSync);
    EXPECT_EQ(Started(), std::vector<std::string>{Quoted("NETSHARE.EXE") + "/clean"});
    EXPECT_NEAR(p.clock.Elapsed(), 120, 0.2);
    ASSERT_EQ(p.dialogs.shown.size(), 1u);
    EXPECT_EQ(p.dialogs.shown[0],
              (MessageBoxRequest{"Die Dropbox-Synchronisierung wurde nicht fortgesetzt, weil die Bereinigung nicht "
                                 "rechtzeitig beendet wurde.\nBitte starten Sie die Dropbox-Synchronisierung sp\xE4ter "
                                 "noch einmal.",
                                 "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation}));
    EXPECT_TRUE(menu.disabled.empty());
}

TEST_F(DropboxSyncTest, AMissingProgramDisablesTheEntry) {
    p.files.Delete(ProgramFile(hub, "NETSHARE.EXE"));
    Choose(ActionKey::DropboxSync, 4);
    EXPECT_TRUE(Started().empty());
    EXPECT_EQ(menu.disabled, std::vector<int>{4});
}

}  // namespace
}  // namespace kolvane
