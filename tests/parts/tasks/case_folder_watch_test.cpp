#include "tasks/case_folder_watch.h"

#include "timer_fixture.h"

namespace kolvane {
namespace {

// A local folder of tax cases that cannot be found is reported once, which ends the watch for this run; the
// folder itself is asked for, so a trailing backslash or a share's root is found. An unreachable share gets a
// balloon every tick until it is reached.
TEST(CaseFolderWatchTest, MissingFolderIsReported) {
    const std::tuple<const char*, const char*, std::size_t, std::size_t> cases[] = {
        {"", "", 0, 0}, {"C:\\Steuer\\", "C:\\Steuer\\1234.ESt2025", 0, 0}, {"C:\\Steuer", "C:\\Steuer", 1, 0},
        {"\\\\SERVER\\Steuer", "", 0, 3}};
    for (const auto& [folder, file, messages, balloons] : cases) {
        SCOPED_TRACE(folder);
        TimedSystem s;
        if (*folder) s.hub.settings.WriteText(Setting::Erklaerungen, folder);
        if (*file) s.Put(file);
        EnableTimer(s.hub, HubTimer::Timer2, true);
        EXPECT_FALSE(s.RunFor(3 * 65 + 1));
        EXPECT_EQ(TimerEnabled(s.hub, HubTimer::Timer2), !messages);
        EXPECT_EQ(s.p.dialogs.shown.size(), messages);
        EXPECT_EQ(s.p.tray.balloons.size(), balloons);
        if (!balloons) continue;
        EXPECT_EQ(s.p.tray.balloons[0].icon, BalloonIcon::Warning);
        s.Put("\\\\SERVER\\Steuer\\1234.ESt2025");
        EXPECT_FALSE(s.RunFor(10 * 65));
        EXPECT_EQ(s.p.tray.balloons.size(), balloons);
        EXPECT_FALSE(TimerEnabled(s.hub, HubTimer::Timer2));
    }
}

}  // namespace
}  // namespace kolvane
