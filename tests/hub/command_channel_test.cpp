#include "hub/command_channel.h"

#include "lifecycle_fixture.h"

namespace kolvane {
namespace {

class CommandChannelTest : public LifecycleTest {};

TEST_F(CommandChannelTest, EndeRunsTheCloseSequenceInItsOrder) {
    Store(Setting::NoKillIHP, 0);
    StoreText(Setting::DB_IHP, "0");
    for (const char* file : {"C:\\Daten\\DATEX.IHP", "C:\\Orvintal\\DATEX.IHP", "C:\\Daten\\DATEX.CCP"})
        p.files.Put(file, "x");
    splash.loaded = true;
    log.clear();

    ASSERT_TRUE(Ends([&] { p.windows.SetText(hub.Text1, "$Ende$"); }));

    EXPECT_EQ(log, (EventLog{"set Encoder", "set NowClose", "delete C:\\Daten\\DATEX.IHP",
                             "delete C:\\Orvintal\\DATEX.IHP", "set DB_IHP", "delete C:\\Daten\\DATEX.CCP", "Timer1 off",
                             "Timer2 off", "Timer3 off", "Timer4 off", "caption Zweite InstanzBrekkan Orvintal  ",
                             "splash unloaded", "icon removed"}));
    EXPECT_EQ(Int(Setting::Encoder), 0);
    EXPECT_EQ(Int(Setting::NowClose), 1);
    EXPECT_TRUE(TimerEnabled(hub, HubTimer::Timer5)) << "the process ends anyway";
    EXPECT_FALSE(p.tray.picture.has_value());
    EXPECT_FALSE(MutexHeld()) << "a new hub can take the mutex at once";
    EXPECT_EQ(p.windows.Find(std::string(kHubClass), std::string(kHubCaption)), kNoWindow);
    EXPECT_NE(p.windows.Find(std::nullopt, std::string("Zweite Instanz") + kHubCaption), kNoWindow)
        << "the window itself is still there until the process is gone";
}

TEST_F(CommandChannelTest, OnlyTheExactCommandCloses) {
    for (const char* text : {"$ende$", "$Ende$ ", " $Ende$", "$ENDE$", "Ende", "$Ende", "$Ende$\r\n", ""}) {
        SCOPED_TRACE(std::string("text '") + text + "'");
        p.windows.SetText(hub.Text1, "vorher");
        log.clear();
        EXPECT_FALSE(Ends([&] { p.windows.SetText(hub.Text1, text); }));
        EXPECT_TRUE(log.empty()) << log.front();
    }
    EXPECT_EQ(p.windows.GetText(hub.Root), kHubCaption);
    EXPECT_EQ(p.kernel.terminations, 0);
}

TEST_F(CommandChannelTest, ContributionsIndexRules) {
    struct Case {
        std::optional<std::int16_t> noKillIHP;
        std::optional<std::string> dbIhp;
        bool sharedIndexKept;
        bool buildMarkerKept;
        const char* dbIhpAfter;  // nullptr: still absent
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, false, true, nullptr},
        {1, std::nullopt, true, true, nullptr},
        {2, "0", false, false, "1"},
        {1, "0", true, false, "1"},
        {0, "1", false, true, "1"},
        {0, "kaputt", false, true, "1"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(i);
        MemoryPlatform q;  // every case on a hub of its own
        Hub other(q.os);
        other.LrDatabase = "C:\\Daten\\";
        RegCreateKey(q.registry, kSettingsKey.root, kSettingsKey.path, "");
        if (c.noKillIHP) other.settings.WriteInt(Setting::NoKillIHP, *c.noKillIHP);
        if (c.dbIhp) other.settings.WriteText(Setting::DB_IHP, *c.dbIhp);
        for (const char* file : {"C:\\Daten\\DATEX.IHP", "C:\\Orvintal\\DATEX.IHP", "C:\\Daten\\DATEX.CCP"})
            q.files.Put(file, "x");

        EXPECT_THROW(RunCloseSequence(other), ProcessTerminated);

        EXPECT_EQ(q.files.Exists("C:\\Daten\\DATEX.IHP"), c.sharedIndexKept);
        EXPECT_FALSE(q.files.Exists("C:\\Orvintal\\DATEX.IHP")) << "the program folder's copy always goes";
        EXPECT_EQ(q.files.Exists("C:\\Daten\\DATEX.CCP"), c.buildMarkerKept);
        EXPECT_EQ(other.settings.Exists(Setting::DB_IHP), c.dbIhpAfter != nullptr);
        EXPECT_EQ(other.settings.ReadText(Setting::DB_IHP), c.dbIhpAfter ? c.dbIhpAfter : "");
    }
}

TEST(SendCommandTest, ReachesOnlyTheFirstTextBoxOfTheSuitesWindow) {
    struct Case {
        const char* name;
        const char* windowClass;  // nullptr: no such program
        const char* caption;
        const char* boxClass;  // two boxes of it; nullptr: the window has no child
        bool received;
    };
    const Case cases[] = {
        {"the suite's window", "ThunderRT6FormDC", "Brekkan PictHelp IDE", "ThunderRT6TextBox", true},
        {"no such program", nullptr, nullptr, nullptr, false},
        {"other caption", "ThunderRT6FormDC", "Brekkan PictHelp", "ThunderRT6TextBox", false},
        {"other window class", "#32770", "Brekkan PictHelp IDE", "ThunderRT6TextBox", false},
        {"no text box", "ThunderRT6FormDC", "Brekkan PictHelp IDE", nullptr, false},
        {"other child class", "ThunderRT6FormDC", "Brekkan PictHelp IDE", "Edit", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryPlatform q;
        Hub other(q.os);
        WindowId first = kNoWindow;
        if (c.windowClass) {
            WindowId window = q.windows.Create(c.windowClass, c.caption);
            if (c.boxClass) {
                first = q.windows.Create(c.boxClass, "", window);
                q.windows.Create(c.boxClass, "", window);
            }
        }
        SendCommand(other, "Brekkan PictHelp IDE", "$Ende$");
        EXPECT_EQ(q.windows.Sent(), OnlyIf(c.received, std::vector<MemoryWindows::SentText>{{first, "$Ende$"}}));
    }
}

}  // namespace
}  // namespace kolvane
