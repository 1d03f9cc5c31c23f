#include "tasks/case_folder_watch.h"

#include "timer_fixture.h"

namespace kolvane {
namespace {

constexpr char kBalloonText[] =
    "Der Ordner für die Steuertipps® Steuerfälle konnte nicht gefunden werden. Möglicherweise ist derzeit der "
    "Zugriff auf das Verzeichnis nicht möglich. Überprüfen Sie die Einstellungen oder legen Sie den Datenträger "
    "ein.";
constexpr char kMessageText[] =
    "Der Ordner für die Steuertipps® Steuerfälle konnte nicht gefunden werden. \n"
    "Möglicherweise ist derzeit der Zugriff auf das Verzeichnis nicht möglich.\n"
    "Überprüfen Sie die Einstellungen oder legen Sie den Datenträger ein.";
constexpr double kPeriod = 65;

struct WatchSystem : TimedSystem {
    explicit WatchSystem(const char* folder) {
        if (*folder) hub.settings.WriteText(Setting::Erklaerungen, folder);
        EnableTimer(hub, HubTimer::Timer2, true);
    }
};

TEST(CaseFolderWatchTest, LocalFolder) {
    struct Case {
        const char* folder;  // `Erklärungen`
        const char* file;    // put there before the watch starts
        bool reported;
    };
    const Case cases[] = {
        {"", "", false},
        {"C:\\Steuer", "C:\\Steuer\\1234.ESt2025", false},
        {"C:\\Steuer\\", "C:\\Steuer\\1234.ESt2025", false},
        {"C:\\Steuer\\", "", true},
        {"C:\\Steuer", "C:\\Steuer", true},  // a file is no folder
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        WatchSystem s(c.folder);
        if (*c.file) s.p.files.Put(c.file, "");
        EXPECT_FALSE(s.RunFor(10 * kPeriod));
        EXPECT_EQ(TimerEnabled(s.hub, HubTimer::Timer2), !c.reported) << "a report ends the watch for this run";
        EXPECT_TRUE(s.p.tray.balloons.empty());
        ASSERT_EQ(s.p.dialogs.shown.size(), c.reported ? 1u : 0u);
        if (c.reported) {
            EXPECT_EQ(s.p.dialogs.shown[0],
                      (MessageBoxRequest{kMessageText, "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation}));
        }
    }
}

TEST(CaseFolderWatchTest, ShareGetsABalloonEveryTickWhileUnreachableAndEndsTheWatchOnceReached) {
    for (const char* share : {"\\\\SERVER\\Steuer\\", "\\\\SERVER\\Steuer"}) {
        SCOPED_TRACE(share);
        WatchSystem s(share);
        EXPECT_FALSE(s.RunFor(3 * kPeriod + 1));
        ASSERT_EQ(s.p.tray.balloons.size(), 3u);
        EXPECT_EQ(s.p.tray.balloons[0].title, "Orvintal");
        EXPECT_EQ(s.p.tray.balloons[0].text, kBalloonText);
        EXPECT_EQ(s.p.tray.balloons[0].icon, BalloonIcon::Warning);
        EXPECT_TRUE(TimerEnabled(s.hub, HubTimer::Timer2));
        EXPECT_TRUE(s.p.dialogs.shown.empty()) << "a share gets no message box";

        s.p.files.Put("\\\\SERVER\\Steuer\\1234.ESt2025", "");
        EXPECT_FALSE(s.RunFor(10 * kPeriod));
        EXPECT_EQ(s.p.tray.balloons.size(), 3u);
        EXPECT_FALSE(TimerEnabled(s.hub, HubTimer::Timer2));
    }
}

}  // namespace
}  // namespace kolvane
