#include "tasks/exit_request.h"

#include "timer_fixture.h"

namespace kolvane {
namespace {

struct ExitSystem : TimedSystem {
    ExitSystem() {
        for (const char* program : {"HELPVIEW.EXE", "HINTFEED.EXE", "CLOSEALL.EXE", "Orvintal.chf"}) PutProgram(program);
        EnableTimer(hub, HubTimer::Timer5, true);
    }
};

TEST(ExitRequestTest, TheFileEndsTheSuiteWithinOnePeriod) {
    ExitSystem s;
    s.p.clock.Schedule(100, [&s] { s.PutDatabaseFile("EXIT.SUB", "[HELPID]\r\n"); });
    EXPECT_FALSE(s.RunFor(100));
    EXPECT_TRUE(s.Started().empty());
    EXPECT_TRUE(s.RunFor(TimerPeriodMs(HubTimer::Timer5) / 1000.0 + 0.5));
    EXPECT_EQ(s.Started(), (std::vector<std::string>{s.Quoted("HINTFEED.EXE") + " /b", s.Quoted("CLOSEALL.EXE")}))
        << "no help without a topic";
    EXPECT_FALSE(s.p.tray.picture.has_value()) << "the icon goes before the process";
    EXPECT_FALSE(TimerEnabled(s.hub, HubTimer::Timer5));
}

TEST(ExitRequestTest, OnlyATopicNumberReachesTheHelpViewersCommandLine) {
    struct Case {
        const char* file;    // EXIT.SUB
        bool helpFile;       // Orvintal.chf in the component folder
        const char* topic;   // on the help viewer's command line; null: no help
    };
    const Case cases[] = {
        {"[HELPID]\r\nChmFileID=4711\r\n", true, "4711"},
        {"[HELPID]\r\nChmFileID=\"17\"\r\n", true, "17"},
        {"[HELPID]\r\nChmFileID=4711\r\n", false, nullptr},
        {"[HELPID]\r\nChmFileID=\r\n", true, nullptr},
        {"", true, nullptr},
        {"[HELPID]\r\nChmFileID=12a\r\n", true, nullptr},
        {"[HELPID]\r\nChmFileID=1 & calc.exe\r\n", true, nullptr},
        {"[HELPID]\r\nChmFileID=-5\r\n", true, nullptr},
        {"[HELPID]\r\nChmFileID=1,2\r\n", true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ExitSystem s;
        if (!c.helpFile) s.p.files.Delete(ProgramFile(s.hub, "Orvintal.chf"));
        s.PutDatabaseFile("EXIT.SUB", c.file);

        EXPECT_TRUE(s.Tick(HubTimer::Timer5));

        std::vector<MemoryShell::Started> expected;
        if (c.topic)
            expected.push_back({s.Quoted("HELPVIEW.EXE") + " C:\\Orvintal\\Orvintal.chf," + c.topic, ShowState::Normal});
        expected.push_back({s.Quoted("HINTFEED.EXE") + " /b", ShowState::Normal});
        expected.push_back({s.Quoted("CLOSEALL.EXE"), ShowState::Normal});
        EXPECT_EQ(s.p.shell.started, expected);
    }
}

}  // namespace
}  // namespace kolvane
