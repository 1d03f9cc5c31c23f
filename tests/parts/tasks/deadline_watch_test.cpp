#include "tasks/deadline_watch.h"

#include "timer_fixture.h"

namespace kolvane {
namespace {

using namespace std::string_literals;

// The deadline component installed, with its start file and its setting as the test gives them.
struct DeadlineSystem : TimedSystem {
    DeadlineSystem(const std::optional<std::string>& startFile, const std::optional<std::string>& watch) {
        for (const char* program : {"DUEDATES.EXE", "HINTFEED.EXE"}) PutProgram(program);
        if (startFile) Put("C:\\Orvintal\\FRISTEN.DAT", *startFile);
        if (watch) hub.settings.WriteText(Setting::Fristwaechter, *watch);
    }
};

// The check runs for the caller `Start` names, once `Timer`'s interval has passed since the date the component noted
// from the 13th character of its setting (not in one that is short, cut by a NUL or the installation's general date),
// 3 seconds after the call; a call during those seconds (the member administration opened meanwhile) starts none.
TEST(DeadlineWatchTest, TheCheckRunsForItsCallerOnceItsIntervalHasPassed) {
    constexpr auto U = DeadlineCheckCaller::StartUp, M = DeadlineCheckCaller::MemberAdministration;
    const std::string P = "Pr\xFC" "fung vom ";
    struct Case { DeadlineCheckCaller caller; std::string start, timer, watch; bool due; };
    const Case cases[] = {
        {U, "3", "2", P + "30.11.2026", true}, {U, "3", "2", P + "01.12.2026", false}, {M, "3", "2", P + "01.11.2026", false},
        {M, "2", "2", P + "30.11.2026", true}, {U, "2", "2", P + "01.11.2026", false}, {U, "1", "3", P + "01.11.2026", false},
        {U, "", "3", P + "01.11.2026", false}, {U, "3", "0", P + "07.11.2026", true}, {U, "3", "0", P + "08.11.2026", false},
        {U, "3", "1", P + "23.11.2026", true}, {U, "3", "1", P + "24.11.2026", false}, {U, "3", "3", P + "06.12.2026", true},
        {U, "3", "3", P + "07.12.2026", false}, {M, "2", "3", P + "31.12.2025", true}, {U, "3", "4", P + "01.01.2020", false},
        {U, "3", "", P + "01.01.2020", false}, {U, "3", "3", P + "08.12.2026", false}, {U, "3", "3", P + "31.11.2026", false},
        {U, "3", "3", "01.11.2026", false}, {U, "3", "3", "Pr\xFC" "fung\0vom 01.11.2026"s, false}, {U, "3", "3", "01.11.2026 10:00:00", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << int(c.caller) << " Start=" << c.start << " Timer=" << c.timer << " " << c.watch);
        DeadlineSystem s("[ROOT]\r\nStart=" + c.start + "\r\nTimer=" + c.timer + "\r\n", c.watch);
        if (c.watch.ends_with("2025")) s.p.clock.Set({2026, 1, 1, 0, 0, 1});  // a day across the year's end
        s.p.clock.Schedule(1, [&s, &c] { Fristenchecker(s.hub, c.caller); });
        Fristenchecker(s.hub, c.caller);
        EXPECT_EQ(std::pair(s.Count(s.Quoted("DUEDATES.EXE") + " /check"), s.p.clock.Elapsed()), std::pair(c.due ? 1 : 0, c.due ? 3.0 : 0.0));
    }
}

// The set-up runs while the setting or `Start` is missing (no file, an empty, damaged or foreign one), keeps every
// byte it does not write and creates a missing file whole; without the component the user gets the hint instead.
TEST(DeadlineWatchTest, TheSetUpWritesOnlyItsKeysAndOnlyWhileTheyAreMissing) {
    const std::string keys = "[ROOT]\r\nTimer=2\r\nStart=2\r\nCat=3\r\n", endless(100000, 'x'), set = "[ROOT]\r\nStart=3\r\nTimer=0\r\n";
    const std::string hint = "Die Anwendung zur \xDC" "berwachung der Fristen ist fehlerhaft oder konnte nicht gefunden werden !";
    struct Case { std::optional<std::string> file; bool watch, program; std::string after; };
    const Case cases[] = {
        {std::nullopt, true, true, keys}, {"", false, true, keys}, {set, true, true, set},
        {set, false, true, "[ROOT]\r\nStart=2\r\nTimer=2\r\nCat=3\r\n"}, {"[A]\r\nB=x\r\n; c\r\n", true, true, "[A]\r\nB=x\r\n; c\r\n" + keys},
        {"\x01\xFF garbage\0["s, true, true, "\x01\xFF garbage\0[\r\n"s + keys}, {endless, true, true, endless + "\r\n" + keys},
        {"[A]\r\n", false, false, "[A]\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.file.value_or("no file").substr(0, 20) << " " << c.watch);
        DeadlineSystem s(c.file, c.watch ? std::optional("07.12.2026 09:00:00"s) : std::nullopt);
        if (!c.program) s.p.files.Delete(ProgramFile(s.hub, "DUEDATES.EXE"));
        SetUpDeadlineWatch(s.hub);
        EXPECT_EQ(std::tuple(s.p.files.ReadAll("C:\\Orvintal\\FRISTEN.DAT").value_or("no file"), s.Count(s.Quoted("DUEDATES.EXE") + " /auto"),
                             s.hub.settings.ReadText(Setting::Infotip)),
                  std::tuple(c.after, c.program && c.after != c.file.value_or("") ? 1 : 0, c.program ? "" : hint));
    }
}

}  // namespace
}  // namespace kolvane
