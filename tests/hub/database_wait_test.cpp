#include "hub/database_wait.h"

#include "database_wait_view_fake.h"
#include "hub/startup_sequence.h"
#include "hub_fixture.h"

namespace kolvane {
namespace {

using Started = MemoryShell::Started;

constexpr char kShare[] = "\\\\srv\\lohn\\";
constexpr char kShareDatabase[] = "\\\\srv\\lohn\\DATEX.DAT";

class DatabaseWaitTest : public HubTest {
protected:
    DatabaseWaitTest() {
        hub.LrDatabase = kShare;
        hub.databaseWaitView = &view;
    }
    // Shows the window; true when it ended the process.
    bool Show() {
        try {
            ShowDatabaseWaitWindow(hub);
            return false;
        } catch (const ProcessTerminated&) {
            return true;
        }
    }
    // The user does something at a moment after the window has opened.
    void At(double seconds, std::function<void(DatabaseWaitEvents&)> action) {
        p.clock.Schedule(seconds, [this, action] { action(view.User()); });
    }
    void ShareBackAt(double seconds) {
        p.clock.Schedule(seconds, [this] { p.files.Put(kShareDatabase, ConfiguredDatabase()); });
    }
    bool Closed() { return SentClose(p, hub); }

    FakeDatabaseWaitView view{p.clock};
};

TEST_F(DatabaseWaitTest, OpensWithTheLastEntryTheCheckTickedAndTheInfo) {
    At(1, [](DatabaseWaitEvents& user) { user.EntryChosen(4); });
    Show();
    EXPECT_EQ(view.runs, 1);
    EXPECT_EQ(kWaitEntries[5].text, "Verbindung wiederherstellen!");
    EXPECT_EQ(std::string(kDatabaseWaitCaption), " Brekkan Orvintal\xAE");
    EXPECT_EQ(std::string(kDatabaseWaitCheckLabel), "Verbindung im Hintergrund \xFC" "berpr\xFC" "fen ");
    EXPECT_EQ(DatabaseWaitInfo(view.shown).find(kShare) != std::string::npos, true);
}

TEST_F(DatabaseWaitTest, ShareThatComesBackContinuesTheStartAtTheNextCheck) {
    struct Case {
        double backAfter;
        double closedAfter;  // the check that finds it, and one second's wait
    };
    for (const Case& c : {Case{0.5, 66}, Case{64.9, 66}, Case{65.1, 131}, Case{200, 261}}) {
        SCOPED_TRACE(c.backAfter);
        InstalledSystem other;
        FakeDatabaseWaitView otherView(other.p.clock);
        other.hub.LrDatabase = kShare;
        other.hub.databaseWaitView = &otherView;
        other.p.clock.Schedule(c.backAfter, [&] { other.p.files.Put(kShareDatabase, ConfiguredDatabase()); });
        const double before = other.p.clock.Elapsed();

        ShowDatabaseWaitWindow(other.hub);

        EXPECT_EQ(other.hub.tag, "1");
        EXPECT_NEAR(otherView.closedAt - before, c.closedAfter, 0.3);
        EXPECT_TRUE(other.p.shell.started.empty()) << "the check starts no program";
    }
}

TEST_F(DatabaseWaitTest, UntickedCheckWaitsForTheUser) {
    ShareBackAt(10);
    At(5, [](DatabaseWaitEvents& user) { user.CheckDatabaseClicked(false); });
    At(300, [](DatabaseWaitEvents& user) { user.CheckDatabaseClicked(true); });
    Show();
    EXPECT_EQ(hub.tag, "1");
    EXPECT_NEAR(view.closedAt, 300 + 65 + 1, 0.2) << "ticked again, the check counts its period from then";
}

TEST_F(DatabaseWaitTest, EntriesAnswerTheStartThroughTheHubTag) {
    struct Case {
        int entry;
        const char* tag;
        bool hubCloses;
        std::vector<Started> started;
    };
    const Case cases[] = {
        {0, "0", true, {}},
        {1, "3", true, {{"\"C:\\Orvintal\\HUBAGENT.EXE\"", ShowState::Normal}}},
        {2, "3", true, {{"\"C:\\Orvintal\\HUBAGENT.EXE\" /dir", ShowState::Normal}}},
        {4, "2", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        InstalledSystem other;
        other.hub.Text1 = other.p.windows.Create(kCommandBoxClass, "", other.hub.Root);
        other.p.windows.Get(other.hub.Text1).onChange = [&](const std::string& text) { OnCommandText(other.hub, text); };
        FakeDatabaseWaitView otherView(other.p.clock);
        other.hub.LrDatabase = kShare;
        other.hub.databaseWaitView = &otherView;
        other.p.files.Put("C:\\Orvintal\\HUBAGENT.EXE", "");
        other.p.clock.Schedule(2, [&] { otherView.User().EntryChosen(c.entry); });

        bool ended = false;
        try {
            ShowDatabaseWaitWindow(other.hub);
        } catch (const ProcessTerminated&) {
            ended = true;
        }

        EXPECT_EQ(other.hub.tag, c.tag);
        EXPECT_EQ(ended, c.hubCloses);
        EXPECT_EQ(other.p.shell.started, c.started);
        EXPECT_EQ(SentClose(other.p, other.hub), c.hubCloses);
        if (!c.started.empty()) {
            EXPECT_GE(other.p.clock.Elapsed(), 2 + 3 - 0.01) << "the repair program gets three seconds";
        }
    }
}

TEST_F(DatabaseWaitTest, MissingAgentIsReportedAndTheWindowStays) {
    for (int entry : {1, 2}) {
        SCOPED_TRACE(entry);
        InstalledSystem other;
        FakeDatabaseWaitView otherView(other.p.clock);
        other.hub.LrDatabase = kShare;
        other.hub.databaseWaitView = &otherView;
        other.p.clock.Schedule(2, [&] { otherView.User().EntryChosen(entry); });
        other.p.clock.Schedule(3, [&] { otherView.User().EntryChosen(4); });

        ShowDatabaseWaitWindow(other.hub);

        ASSERT_EQ(other.p.dialogs.shown.size(), 1u);
        EXPECT_EQ(other.p.dialogs.shown[0],
                  (MessageBoxRequest{"Das Programm HUBAGENT.EXE wurde im Programmordner C:\\Orvintal nicht gefunden.\n"
                                     "Bitte w\xE4hlen Sie eine andere Aufgabe oder installieren Sie Orvintal erneut.",
                                     "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation}));
        EXPECT_EQ(other.hub.tag, "2") << "the window stayed open for the next choice";
        EXPECT_TRUE(other.p.shell.started.empty());
    }
}

TEST_F(DatabaseWaitTest, CheckerAndKeepWaitingLeaveTheWindowOpen) {
    p.files.Put("C:\\Orvintal\\VERPROBE.EXE", "");
    ShareBackAt(100);
    At(2, [](DatabaseWaitEvents& user) { user.EntryChosen(3); });
    At(4, [](DatabaseWaitEvents& user) { user.EntryChosen(5); });
    Show();
    EXPECT_EQ(p.shell.started, (std::vector<Started>{{"\"C:\\Orvintal\\VERPROBE.EXE\"", ShowState::Normal}}));
    EXPECT_EQ(hub.tag, "1");
    EXPECT_NEAR(view.closedAt, 131, 0.3);
}

TEST_F(DatabaseWaitTest, ArrowKeysOnlySelectAndReadyDoesWhatIsSelected) {
    p.files.Put("C:\\Orvintal\\HUBAGENT.EXE", "");
    // Down the closed list from the last entry's neighbours to the top and back to "retry": nothing runs,
    // not even the entries that start a program or quit.
    for (int entry : {3, 2, 1, 0, 1, 2, 3, 4}) At(1 + entry * 0.01, [entry](DatabaseWaitEvents& user) { user.EntrySelected(entry); });
    At(2, [this](DatabaseWaitEvents&) {
        EXPECT_TRUE(p.shell.started.empty());
        EXPECT_TRUE(view.open);
        EXPECT_EQ(view.shown.selected, 4);
    });
    At(3, [](DatabaseWaitEvents& user) { user.ReadyPressed(); });
    EXPECT_FALSE(Show());
    EXPECT_EQ(hub.tag, "2");
    EXPECT_NEAR(view.closedAt, 3, 0.3);
}

TEST_F(DatabaseWaitTest, ReadyOnThePreselectedEntryKeepsWaiting) {
    ShareBackAt(1);
    At(2, [](DatabaseWaitEvents& user) { user.ReadyPressed(); });
    Show();
    EXPECT_EQ(hub.tag, "1");
    EXPECT_NEAR(view.closedAt, 66, 0.3);
}

TEST_F(DatabaseWaitTest, ClosingWithoutADecisionQuits) {
    At(2, [](DatabaseWaitEvents& user) { user.CloseRequested(); });
    EXPECT_TRUE(Show());
    EXPECT_TRUE(Closed());
}

TEST_F(DatabaseWaitTest, ClosingAfterADecisionGoesOn) {
    p.files.Put("C:\\Orvintal\\VERPROBE.EXE", "");
    At(2, [](DatabaseWaitEvents& user) { user.EntryChosen(3); });
    At(3, [](DatabaseWaitEvents& user) { user.CloseRequested(); });
    EXPECT_FALSE(Show());
    EXPECT_EQ(hub.tag, "");
    EXPECT_FALSE(Closed());
}

TEST_F(DatabaseWaitTest, CancelQuits) {
    At(2, [](DatabaseWaitEvents& user) { user.CancelPressed(); });
    EXPECT_TRUE(Show());
    EXPECT_TRUE(Closed());
}

TEST_F(DatabaseWaitTest, InfoHelpAndPicture) {
    p.files.Put("C:\\Orvintal\\Orvintal.chm", "");
    int frames[3] = {};
    At(1.05, [&](DatabaseWaitEvents& user) {
        frames[0] = view.shown.frame;
        EXPECT_EQ(DatabaseWaitHeightTwips(view.shown), kWaitHeightWithInfoTwips);
        user.InfoClicked();
        EXPECT_EQ(DatabaseWaitHeightTwips(view.shown), 2865);
        user.HelpPressed();
    });
    At(1.05 + kWaitTickSeconds, [&](DatabaseWaitEvents&) { frames[1] = view.shown.frame; });
    At(1.05 + kAnimationFrames * kWaitTickSeconds, [&](DatabaseWaitEvents&) { frames[2] = view.shown.frame; });
    At(5, [](DatabaseWaitEvents& user) { user.EntryChosen(4); });
    Show();
    EXPECT_EQ(p.shell.started,
              (std::vector<Started>{
                  {"\"C:\\Windows\\hh.exe\" C:\\Orvintal\\Orvintal.chm::/1.0 Erste Schritte.htm", ShowState::Normal}}));
    EXPECT_EQ(frames[1], NextFrame(frames[0])) << "one picture per tick";
    EXPECT_EQ(frames[2], frames[0]) << "after the last picture the first again";
    EXPECT_EQ(NextFrame(kAnimationFrames), 1);
}

TEST_F(DatabaseWaitTest, WithoutAViewTheDatabaseIsAwaitedInTheBackground) {
    hub.databaseWaitView = nullptr;
    ShareBackAt(70);
    EXPECT_FALSE(Show());
    EXPECT_EQ(hub.tag, "1");
    EXPECT_NEAR(p.clock.Elapsed(), 131, 0.3);
}

TEST_F(DatabaseWaitTest, StartGoesOnWhenTheShareComesBack) {
    struct Case {
        const char* name;
        std::optional<int> chosenFirst;  // an entry the user chooses two seconds after the window opened
        int windowsShown;
    };
    for (const Case& c : {Case{"background check", std::nullopt, 1}, Case{"retry first", 4, 2}}) {
        SCOPED_TRACE(c.name);
        InstalledSystem other;
        FakeDatabaseWaitView otherView(other.p.clock);
        other.hub.databaseWaitView = &otherView;
        other.hub.settings.WriteText(Setting::Database, kShare);
        const double opened = 2;  // the splash waits of the start come first
        other.p.clock.Schedule(opened + 100, [&] { other.p.files.Put(kShareDatabase, ConfiguredDatabase()); });
        if (c.chosenFirst)
            other.p.clock.Schedule(opened + 2, [&] { otherView.User().EntryChosen(*c.chosenFirst); });

        EXPECT_NO_THROW(RunStartup(other.hub));

        EXPECT_EQ(otherView.runs, c.windowsShown);
        EXPECT_EQ(other.hub.settings.ReadInt(Setting::Quickwrite), 1) << "the start went to its end";
        EXPECT_TRUE(TimerEnabled(other.hub, HubTimer::Timer4));
    }
}

}  // namespace
}  // namespace kolvane
