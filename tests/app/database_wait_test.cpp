#include "app/database_wait.h"

#include <functional>

#include "hub/hub_fixture.h"

namespace kolvane {
namespace {

using UserAction = std::function<void(DatabaseWaitEvents&)>;

// An installed system whose database share is gone, and the window as the real one runs it, ticking on the fake
// clock and recording what it shows; a test plays the user through the events at scheduled moments.
struct WaitSystem : InstalledSystem, DatabaseWaitView {
    WaitSystem() : InstalledSystem(true) {
        hub.LrDatabase = kShare;
        hub.databaseWaitView = this;
    }
    void Run(const DatabaseWaitForm& form, DatabaseWaitEvents& events) override {
        ++runs;
        shown = form;
        user = &events;
        for (open = true; open;) {
            ASSERT_LT(p.clock.Elapsed(), 86400) << "the window stayed open for a simulated day";
            p.clock.Advance(kWaitTickSeconds);
            if (open) events.Tick();
        }
        user = nullptr;
    }
    void Update(const DatabaseWaitForm& form) override { shown = form; }
    void Close() override { open = false; }
    // The user does something at a moment after the window has opened.
    void At(double seconds, UserAction action) {
        p.clock.Schedule(seconds, [this, action] {
            ASSERT_NE(user, nullptr) << "the window is not open";
            action(*user);
        });
    }

    int runs = 0;
    bool open = false;
    DatabaseWaitForm shown;
    DatabaseWaitEvents* user = nullptr;
};

UserAction Choose(int entry) {
    return [entry](DatabaseWaitEvents& user) { user.EntryChosen(entry); };
}

// The answer reaches the start through the hub's tag: "1" the database is back, "3" a repair program runs, "0" quit;
// closing the window quits unless a decision was taken. The background check finds the share at its next run, 65
// seconds after the box was ticked; a missing repair program keeps the window open; arrow keys only select.
TEST(DatabaseWaitTest, TheUsersWayThroughTheWindow) {
    const Started agent{"\"C:\\Orvintal\\HUBAGENT.EXE\"", ShowState::Normal};
    const Started checker{"\"C:\\Orvintal\\VERPROBE.EXE\"", ShowState::Normal};
    const Started help{"\"C:\\Windows\\hh.exe\" C:\\Orvintal\\Orvintal.chm::/1.0 Erste Schritte.htm", ShowState::Normal};
    const MessageBoxRequest noAgent{"Das Programm HUBAGENT.EXE wurde im Programmordner C:\\Orvintal nicht gefunden.\n"
                                    "Bitte w\xE4hlen Sie eine andere Aufgabe oder installieren Sie Orvintal erneut.",
                                    "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation};
    const UserAction info = [](DatabaseWaitEvents& user) { user.InfoClicked(), user.HelpPressed(); };
    const UserAction close = [](DatabaseWaitEvents& user) { user.CloseRequested(); };
    const UserAction arrows = [](DatabaseWaitEvents& user) { user.EntrySelected(3), user.EntrySelected(0), user.EntrySelected(1); };
    const UserAction ready = [](DatabaseWaitEvents& user) { user.ReadyPressed(); };
    const auto ticked = [](bool on) { return UserAction([on](DatabaseWaitEvents& user) { user.CheckDatabaseClicked(on); }); };
    struct Case { bool programs; double shareBack; std::vector<std::pair<double, UserAction>> user; const char* tag;
                  bool quits; double endsAt; std::vector<Started> started; bool noAgentMessage; };
    const Case cases[] = {
        {false, 10, {{5, ticked(false)}, {200, Choose(5)}, {300, ticked(true)}}, "1", false, 366, {}, false},
        {false, 0, {{2, close}}, "", true, 2, {}, false},  // closing without a decision quits
        {false, 0, {{2, Choose(1)}, {3, close}}, "", false, 3, {}, true},
        {true, 0, {{1, info}, {2, Choose(3)}, {4, Choose(0)}}, "0", true, 4, {help, checker}, false},
        {true, 0, {{1, arrows}, {3, ready}}, "3", true, 6, {agent}, false},  // the agent gets three seconds
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(i);
        WaitSystem s;
        if (c.programs)
            for (const char* program : {"HUBAGENT.EXE", "VERPROBE.EXE", "Orvintal.chm"}) s.Put(std::string("C:\\Orvintal\\") + program);
        if (c.shareBack > 0) s.p.clock.Schedule(c.shareBack, [&s] { s.Put(kShare + std::string("DATEX.DAT"), ConfiguredDatabase()); });
        for (const auto& [at, action] : c.user) s.At(at, action);

        EXPECT_EQ(Ends([&] { ShowDatabaseWaitWindow(s.hub); }), c.quits);

        EXPECT_EQ(s.runs, 1);
        EXPECT_EQ(s.hub.tag, c.tag);
        EXPECT_EQ(SentClose(s.p, s.hub), c.quits);
        EXPECT_NEAR(s.p.clock.Elapsed(), c.endsAt, 0.3);
        EXPECT_EQ(s.p.shell.started, c.started);
        EXPECT_EQ(s.p.dialogs.shown, c.noAgentMessage ? std::vector{noAgent} : std::vector<MessageBoxRequest>{});
        EXPECT_NE(DatabaseWaitInfo(s.shown).find(kShare), std::string::npos);
        EXPECT_EQ(DatabaseWaitHeightTwips(s.shown), std::ranges::count(c.started, help) ? kWaitHeightTwips : kWaitHeightWithInfoTwips);
    }
}

}  // namespace
}  // namespace kolvane
