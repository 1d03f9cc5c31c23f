#include "hub/database_wait.h"

#include <functional>

#include "database_wait_view_fake.h"
#include "hub/startup_sequence.h"
#include "hub_fixture.h"

namespace kolvane {
namespace {

using Started = MemoryShell::Started;
using UserAction = std::function<void(DatabaseWaitEvents&)>;

constexpr char kShare[] = "\\\\srv\\lohn\\";
constexpr char kShareDatabase[] = "\\\\srv\\lohn\\DATEX.DAT";
constexpr char kNoAgent[] =
    "Das Programm HUBAGENT.EXE wurde im Programmordner C:\\Orvintal nicht gefunden.\n"
    "Bitte w\xE4hlen Sie eine andere Aufgabe oder installieren Sie Orvintal erneut.";

// An installed system whose database share is gone, with the window on the fake clock.
struct WaitSystem : InstalledSystem {
    WaitSystem() {
        hub.Text1 = p.windows.Create(kCommandBoxClass, "", hub.Root);
        p.windows.Get(hub.Text1).onChange = [this](const std::string& text) { OnCommandText(hub, text); };
        hub.LrDatabase = kShare;
        hub.databaseWaitView = &view;
    }
    // The user does something at a moment after the window has opened.
    void At(double seconds, UserAction action) {
        p.clock.Schedule(seconds, [this, action] { action(view.User()); });
    }
    void ShareBackAt(double seconds) {
        p.clock.Schedule(seconds, [this] { p.files.Put(kShareDatabase, ConfiguredDatabase()); });
    }
    // Shows the window; true when it ended the process.
    bool Show() {
        return Ends([&] { ShowDatabaseWaitWindow(hub); });
    }
    FakeDatabaseWaitView view{p.clock};
};

UserAction Choose(int entry) {
    return [entry](DatabaseWaitEvents& user) { user.EntryChosen(entry); };
}
UserAction Select(int entry) {
    return [entry](DatabaseWaitEvents& user) { user.EntrySelected(entry); };
}
UserAction Ticked(bool ticked) {
    return [ticked](DatabaseWaitEvents& user) { user.CheckDatabaseClicked(ticked); };
}
const UserAction kReady = [](DatabaseWaitEvents& user) { user.ReadyPressed(); };
const UserAction kCancel = [](DatabaseWaitEvents& user) { user.CancelPressed(); };
const UserAction kClose = [](DatabaseWaitEvents& user) { user.CloseRequested(); };

// The answer reaches the start through the hub's tag: "1" the database is back, "2" try again, "3" a repair
// program runs, "0" quit. The background check finds the share at its next run, 65 seconds apart.
TEST(DatabaseWaitTest, TheUsersWayThroughTheWindow) {
    const Started agent{"\"C:\\Orvintal\\HUBAGENT.EXE\"", ShowState::Normal};
    const Started agentDir{"\"C:\\Orvintal\\HUBAGENT.EXE\" /dir", ShowState::Normal};
    const Started checker{"\"C:\\Orvintal\\VERPROBE.EXE\"", ShowState::Normal};
    struct Case {
        const char* name;
        bool programs;  // the agent and the checker are installed
        double shareBack;  // 0: never
        std::vector<std::pair<double, UserAction>> user;
        const char* tag;  // nullptr: whatever it is
        bool quits;
        double endsAt;
        std::vector<Started> started;
        const char* message;
    };
    const Case cases[] = {
        {"back before the first check", false, 0.5, {}, "1", false, 66, {}, nullptr},
        {"back just before the first check", false, 64.9, {}, "1", false, 66, {}, nullptr},
        {"back just after the first check", false, 65.1, {}, "1", false, 131, {}, nullptr},
        {"back later", false, 200, {}, "1", false, 261, {}, nullptr},
        {"unticked check waits for the user, ticked again it counts from then", false, 10,
         {{5, Ticked(false)}, {300, Ticked(true)}}, "1", false, 366, {}, nullptr},
        {"quit", true, 0, {{2, Choose(0)}}, "0", true, 2, {}, nullptr},
        {"repair: the agent gets three seconds", true, 0, {{2, Choose(1)}}, "3", true, 5, {agent}, nullptr},
        {"choose the folder anew", true, 0, {{2, Choose(2)}}, "3", true, 5, {agentDir}, nullptr},
        {"retry", true, 0, {{2, Choose(4)}}, "2", false, 2, {}, nullptr},
        {"missing agent: the window stays", false, 0, {{2, Choose(1)}, {3, Choose(4)}}, "2", false, 3, {}, kNoAgent},
        {"missing agent for a new folder", false, 0, {{2, Choose(2)}, {3, Choose(4)}}, "2", false, 3, {}, kNoAgent},
        {"checker, then keep waiting", true, 100, {{2, Choose(3)}, {4, Choose(5)}}, "1", false, 131, {checker},
         nullptr},
        {"arrow keys only select, Ready does what is selected", true, 0,
         {{1.00, Select(3)}, {1.01, Select(2)}, {1.02, Select(1)}, {1.03, Select(0)}, {1.04, Select(1)},
          {1.05, Select(4)}, {3, kReady}},
         "2", false, 3, {}, nullptr},
        {"Ready on the preselected entry keeps waiting", false, 1, {{2, kReady}}, "1", false, 66, {}, nullptr},
        {"closing without a decision quits", false, 0, {{2, kClose}}, nullptr, true, 2, {}, nullptr},
        {"closing after a decision goes on", true, 0, {{2, Choose(3)}, {3, kClose}}, "", false, 3, {checker},
         nullptr},
        {"cancel quits", false, 0, {{2, kCancel}}, nullptr, true, 2, {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WaitSystem s;
        if (c.programs)
            for (const char* program : {"C:\\Orvintal\\HUBAGENT.EXE", "C:\\Orvintal\\VERPROBE.EXE"})
                s.p.files.Put(program, "");
        if (c.shareBack > 0) s.ShareBackAt(c.shareBack);
        for (const auto& [at, action] : c.user) s.At(at, action);

        EXPECT_EQ(s.Show(), c.quits);

        EXPECT_EQ(s.view.runs, 1);
        if (c.tag) {
            EXPECT_EQ(s.hub.tag, c.tag);
        }
        EXPECT_EQ(SentClose(s.p, s.hub), c.quits);
        EXPECT_NEAR(s.p.clock.Elapsed(), c.endsAt, 0.3);
        EXPECT_EQ(s.p.shell.started, c.started);
        ASSERT_EQ(s.p.dialogs.shown.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(s.p.dialogs.shown[0],
                      (MessageBoxRequest{c.message, "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation}));
        }
    }
}

TEST(DatabaseWaitTest, TextsInfoHelpAndPicture) {
    EXPECT_EQ(std::string(kDatabaseWaitCaption), " Brekkan Orvintal\xAE");
    EXPECT_EQ(std::string(kDatabaseWaitCheckLabel), "Verbindung im Hintergrund \xFC" "berpr\xFC" "fen ");

    WaitSystem s;
    s.p.files.Put("C:\\Orvintal\\Orvintal.chm", "");
    int frames[3] = {};
    s.At(1.05, [&](DatabaseWaitEvents& user) {
        EXPECT_NE(DatabaseWaitInfo(s.view.shown).find(kShare), std::string::npos);
        frames[0] = s.view.shown.frame;
        EXPECT_EQ(DatabaseWaitHeightTwips(s.view.shown), kWaitHeightWithInfoTwips);
        user.InfoClicked();
        EXPECT_EQ(DatabaseWaitHeightTwips(s.view.shown), 2865);
        user.HelpPressed();
    });
    s.At(1.05 + kWaitTickSeconds, [&](DatabaseWaitEvents&) { frames[1] = s.view.shown.frame; });
    s.At(1.05 + kAnimationFrames * kWaitTickSeconds, [&](DatabaseWaitEvents&) { frames[2] = s.view.shown.frame; });
    s.At(5, Choose(4));
    s.Show();
    EXPECT_EQ(s.p.shell.started,
              (std::vector<Started>{
                  {"\"C:\\Windows\\hh.exe\" C:\\Orvintal\\Orvintal.chm::/1.0 Erste Schritte.htm", ShowState::Normal}}));
    EXPECT_EQ(frames[1], NextFrame(frames[0])) << "one picture per tick";
    EXPECT_EQ(frames[2], frames[0]) << "after the last picture the first again";
}

TEST(DatabaseWaitTest, WithoutAViewTheDatabaseIsAwaitedInTheBackground) {
    WaitSystem s;
    s.hub.databaseWaitView = nullptr;
    s.ShareBackAt(70);
    EXPECT_FALSE(s.Show());
    EXPECT_EQ(s.hub.tag, "1");
    EXPECT_NEAR(s.p.clock.Elapsed(), 131, 0.3);
}

TEST(DatabaseWaitTest, StartGoesOnWhenTheShareComesBack) {
    for (const std::optional<int> chosenFirst : {std::optional<int>(), std::optional<int>(4)}) {
        SCOPED_TRACE(chosenFirst ? "retry first" : "background check");
        WaitSystem s;
        s.hub.settings.WriteText(Setting::Database, kShare);
        const double opened = 2;  // the splash waits of the start come first
        s.ShareBackAt(opened + 100);
        if (chosenFirst) s.p.clock.Schedule(opened + 2, [&] { s.view.User().EntryChosen(*chosenFirst); });

        EXPECT_NO_THROW(RunStartup(s.hub));

        EXPECT_EQ(s.view.runs, chosenFirst ? 2 : 1);
        EXPECT_EQ(s.hub.settings.ReadInt(Setting::Quickwrite), 1) << "the start went to its end";
        EXPECT_TRUE(TimerEnabled(s.hub, HubTimer::Timer4));
    }
}

}  // namespace
}  // namespace kolvane
