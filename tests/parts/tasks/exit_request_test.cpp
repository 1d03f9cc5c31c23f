#include "tasks/exit_request.h"

#include "timer_fixture.h"

namespace kolvane {
namespace {

// EXIT.SUB ends the suite within one period: the tip, the close-all component, the icon gone, then the exit command
// of the menu (the close-all component again, the contributions data and the local database copy removed, the
// picture-help component told to close).
// The help topic it asks for lands on a command line: only a number, and only with the help file, is taken.
TEST(ExitRequestTest, TheFileEndsTheSuiteAndOnlyATopicNumberReachesTheHelp) {
    const std::tuple<const char*, bool, const char*> cases[] = {
        {"ChmFileID=4711", true, "4711"}, {"ChmFileID=\"17\"", true, "17"}, {"ChmFileID=4711", false, nullptr},
        {"ChmFileID=", true, nullptr}, {"ChmFileID=1 & calc.exe", true, nullptr}, {"ChmFileID=-5", true, nullptr}};
    for (const auto& [line, helpFile, topic] : cases) {
        SCOPED_TRACE(line);
        TimedSystem s;
        for (const char* program : {"HELPVIEW.EXE", "HINTFEED.EXE", "CLOSEALL.EXE"}) s.PutProgram(program);
        if (helpFile) s.PutProgram("Orvintal.chf");
        for (const char* file : {"BUDGET.XML", "DATEX.NET"}) s.PutProgram(file);
        s.hub.settings.WriteInt(Setting::NoTmpBeitrag, 1);
        const WindowId pictHelp = s.p.windows.Create("ThunderRT6FormDC", "Brekkan PictHelp IDE");
        const WindowId pictHelpBox = s.p.windows.Create("ThunderRT6TextBox", "", pictHelp);
        EnableTimer(s.hub, HubTimer::Timer5, true);
        const std::string request = std::string("[HELPID]\r\n") + line + "\r\n";
        s.p.clock.Schedule(100, [&] { s.Put("C:\\Orvintal\\EXIT.SUB", request); });
        EXPECT_FALSE(s.RunFor(100));
        EXPECT_TRUE(s.RunFor(TimerPeriodMs(HubTimer::Timer5) / 1000.0 + 3));

        const Started tip{s.Quoted("HINTFEED.EXE") + " /b", ShowState::Normal}, closeAll{s.Quoted("CLOSEALL.EXE"), ShowState::Normal};
        std::vector<Started> expected{tip, closeAll, closeAll};
        if (topic) expected.insert(expected.begin(), {s.Quoted("HELPVIEW.EXE") + " C:\\Orvintal\\Orvintal.chf," + topic, ShowState::Normal});
        EXPECT_EQ(s.p.shell.started, expected);
        EXPECT_FALSE(s.p.files.Exists("C:\\Orvintal\\BUDGET.XML") || s.p.files.Exists("C:\\Orvintal\\DATEX.NET"));
        EXPECT_EQ(std::tuple(s.p.windows.GetText(pictHelpBox), s.p.tray.picture.has_value(), TimerEnabled(s.hub, HubTimer::Timer5)),
                  std::tuple("$Ende$", false, false));
    }
}

}  // namespace
}  // namespace kolvane
