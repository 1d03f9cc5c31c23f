#include "tasks/exit_request.h"

#include "timer_fixture.h"

namespace kolvane {
namespace {

class ExitRequestTest : public TimerTest {
protected:
    ExitRequestTest() {
        for (const char* program : {"HELPVIEW.EXE", "HINTFEED.EXE", "CLOSEALL.EXE", "Orvintal.chf"}) PutProgram(program);
        p.tray.Add(TrayPicture::Ready, "Orvintal");
        EnableTimer(hub, HubTimer::Timer5, true);
    }
};

TEST_F(ExitRequestTest, WithoutTheFileNothingHappens) {
    EXPECT_FALSE(Run(10 * 60));
    EXPECT_TRUE(Started().empty());
    EXPECT_TRUE(TimerEnabled(hub, HubTimer::Timer5));
    EXPECT_TRUE(p.tray.picture.has_value());
}

TEST_F(ExitRequestTest, TheFileEndsTheSuiteWithinOnePeriod) {
    p.clock.Schedule(100, [this] { PutDatabaseFile("EXIT.SUB", "[HELPID]\r\n"); });
    EXPECT_FALSE(Run(100));
    EXPECT_TRUE(Run(TimerPeriodMs(HubTimer::Timer5) / 1000.0 + 0.5));
    EXPECT_EQ(Started(), (std::vector<std::string>{Quoted("HINTFEED.EXE") + " /b", Quoted("CLOSEALL.EXE")}))
        << "no help without a topic";
    EXPECT_FALSE(p.tray.picture.has_value()) << "the icon goes before the process";
    EXPECT_FALSE(TimerEnabled(hub, HubTimer::Timer5));
}

TEST_F(ExitRequestTest, OnlyATopicNumberReachesTheHelpViewersCommandLine) {
    struct Case {
        const char* file;    // EXIT.SUB
        bool helpFile;       // Orvintal.chf in the component folder
        const char* opened;  // the help viewer's command line, null: no help
    };
    const Case cases[] = {
        {"[HELPID]\r\nChmFileID=4711\r\n", true, "\"C:\\Orvintal\\HELPVIEW.EXE\" C:\\Orvintal\\Orvintal.chf,4711"},
        {"[HELPID]\r\nChmFileID=0\r\n", true, "\"C:\\Orvintal\\HELPVIEW.EXE\" C:\\Orvintal\\Orvintal.chf,0"},
        {"[HELPID]\r\nChmFileID=4711\r\n", false, nullptr},
        {"[HELPID]\r\nChmFileID=\r\n", true, nullptr},
        {"[HELPID]\r\n", true, nullptr},
        {"", true, nullptr},
        {"[HELPID]\r\nChmFileID=12a\r\n", true, nullptr},
        {"[HELPID]\r\nChmFileID=1 & calc.exe\r\n", true, nullptr},
        {"[HELPID]\r\nChmFileID=-5\r\n", true, nullptr},
        {"[HELPID]\r\nChmFileID=1,2\r\n", true, nullptr},
        {"[HELPID]\r\nChmFileID=\"17\"\r\n", true, "\"C:\\Orvintal\\HELPVIEW.EXE\" C:\\Orvintal\\Orvintal.chf,17"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        InstalledSystem s;
        s.hub.LrDatabase = "C:\\Orvintal\\";
        for (const char* program : {"HELPVIEW.EXE", "HINTFEED.EXE", "CLOSEALL.EXE"})
            s.p.files.Put(ProgramFile(s.hub, program), "");
        if (c.helpFile) s.p.files.Put(ProgramFile(s.hub, "Orvintal.chf"), "");
        s.p.files.Put(DatabaseFile(s.hub, "EXIT.SUB"), c.file);
        EnableTimer(s.hub, HubTimer::Timer5, true);

        EXPECT_THROW(OnTimer(s.hub, HubTimer::Timer5), ProcessTerminated);

        std::vector<MemoryShell::Started> expected;
        if (c.opened) expected.push_back({c.opened, ShowState::Normal});
        expected.push_back({"\"C:\\Orvintal\\HINTFEED.EXE\" /b", ShowState::Normal});
        expected.push_back({"\"C:\\Orvintal\\CLOSEALL.EXE\"", ShowState::Normal});
        EXPECT_EQ(s.p.shell.started, expected);
    }
}

TEST_F(ExitRequestTest, MissingExitProgramsAreSkippedAndTheHubStillEnds) {
    for (const char* program : {"HINTFEED.EXE", "CLOSEALL.EXE"}) p.files.Delete(ProgramFile(hub, program));
    PutDatabaseFile("EXIT.SUB", "[HELPID]\r\nChmFileID=12\r\n");
    EXPECT_TRUE(Tick(HubTimer::Timer5));
    EXPECT_EQ(Started(), (std::vector<std::string>{Quoted("HELPVIEW.EXE") + " C:\\Orvintal\\Orvintal.chf,12"}));
    EXPECT_FALSE(p.tray.picture.has_value());
}

}  // namespace
}  // namespace kolvane
