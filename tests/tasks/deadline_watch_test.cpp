#include "tasks/deadline_watch.h"

#include "timer_fixture.h"

namespace kolvane {
namespace {

using namespace std::string_literals;

constexpr char kStartFile[] = "C:\\Orvintal\\FRISTEN.DAT";

// The deadline component installed; its start file and its setting as a test gives them.
struct DeadlineSystem : TimedSystem {
    DeadlineSystem(const std::optional<std::string>& startFile, const std::optional<std::string>& watch) {
        p.clock.Set({2026, 12, 7, 9, 0, 0});
        for (const char* program : {"DUEDATES.EXE", "HINTFEED.EXE"}) PutProgram(program);
        if (startFile) Put(kStartFile, *startFile);
        if (watch) hub.settings.WriteText(Setting::Fristwaechter, *watch);
        p.shell.onStart = [this](const Started&) { startedAt.push_back(p.clock.Elapsed()); };
    }
    std::vector<double> startedAt;
};

// "Prüfung vom " fills the twelve characters in front of the date.
std::string Watch(const char* date) { return std::string("Pr\xFC" "fung vom ") + date; }

// The check runs for the caller `Start` names, once `Timer`'s interval has passed since the date the component
// noted from the 13th character of its setting; 3 seconds later.
TEST(DeadlineWatchTest, TheCheckRunsForItsCallerOnceItsIntervalHasPassed) {
    using C = DeadlineCheckCaller;
    struct Case { C caller; const char* start; const char* timer; std::string watch; DateTime now; bool due; };
    const DateTime today{2026, 12, 7, 9, 0, 0};
    const Case cases[] = {
        {C::StartUp, "3", "2", Watch("30.11.2026"), today, true},  {C::StartUp, "3", "2", Watch("01.12.2026"), today, false},
        {C::MemberAdministration, "3", "2", Watch("01.11.2026"), today, false},
        {C::MemberAdministration, "2", "2", Watch("30.11.2026"), today, true},
        {C::StartUp, "2", "2", Watch("01.11.2026"), today, false}, {C::StartUp, "1", "3", Watch("01.11.2026"), today, false},
        {C::StartUp, "", "3", Watch("01.11.2026"), today, false},
        {C::StartUp, "3", "0", Watch("07.11.2026"), today, true},  {C::StartUp, "3", "0", Watch("08.11.2026"), today, false},
        {C::StartUp, "3", "1", Watch("23.11.2026"), today, true},  {C::StartUp, "3", "1", Watch("24.11.2026"), today, false},
        {C::StartUp, "3", "3", Watch("06.12.2026"), today, true},  {C::StartUp, "3", "3", Watch("07.12.2026"), today, false},
        {C::StartUp, "3", "3", Watch("31.12.2026"), {2027, 1, 1, 0, 0, 1}, true},
        {C::StartUp, "3", "4", Watch("01.01.2020"), today, false}, {C::StartUp, "3", "", Watch("01.01.2020"), today, false},
        {C::StartUp, "3", "3", Watch("08.12.2026"), today, false},  // noted in the future
        {C::StartUp, "3", "3", "01.11.2026", today, false},          // too short
        {C::StartUp, "3", "3", "Pr\xFC" "fung\0vom 01.11.2026"s, today, false},
        {C::StartUp, "3", "3", "01.11.2026 10:00:00", today, false},  // the installation's general date
        {C::StartUp, "3", "3", Watch("31.11.2026"), today, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << static_cast<int>(c.caller) << " Start=" << c.start << " Timer=" << c.timer
                                          << " " << c.watch);
        DeadlineSystem s("[ROOT]\r\nStart="s + c.start + "\r\nTimer=" + c.timer + "\r\n", c.watch);
        s.p.clock.Set(c.now);
        Fristenchecker(s.hub, c.caller);
        EXPECT_EQ(s.Count(s.Quoted("DUEDATES.EXE") + " /check"), c.due ? 1 : 0);
        EXPECT_EQ(s.startedAt, c.due ? std::vector<double>{3.0} : std::vector<double>{});
    }
    DeadlineSystem missing(std::nullopt, std::nullopt);  // neither file nor setting
    Fristenchecker(missing.hub, C::StartUp);
    EXPECT_TRUE(missing.p.shell.started.empty());
}

// A second call during the 3 seconds (the member administration opened meanwhile) starts no second check.
TEST(DeadlineWatchTest, ACallDuringTheWaitStartsNoSecondCheck) {
    DeadlineSystem s("[ROOT]\r\nStart=2\r\nTimer=3\r\n", Watch("01.12.2026"));
    s.p.clock.Schedule(1, [&s] { Fristenchecker(s.hub, DeadlineCheckCaller::MemberAdministration); });
    Fristenchecker(s.hub, DeadlineCheckCaller::MemberAdministration);
    EXPECT_EQ(s.startedAt, std::vector<double>{3.0});
    Fristenchecker(s.hub, DeadlineCheckCaller::MemberAdministration);
    EXPECT_EQ(s.startedAt.size(), 2u) << "a later call checks again";
}

// The set-up runs while the setting or `Start` is missing, keeps every byte of the file it does not write, and
// creates a missing file; without the component the user gets the hint and nothing is written.
TEST(DeadlineWatchTest, TheSetUpWritesOnlyItsKeysAndOnlyWhileTheyAreMissing) {
    const std::string keys = "[ROOT]\r\nTimer=2\r\nStart=2\r\nCat=3\r\n", endless(100000, 'x');
    struct Case { std::optional<std::string> file; bool watch, program; std::string after; };
    const Case cases[] = {
        {std::nullopt, true, true, keys},
        {"", false, true, keys},
        {"[ROOT]\r\nStart=3\r\nTimer=0\r\n", true, true, "[ROOT]\r\nStart=3\r\nTimer=0\r\n"},
        {"[ROOT]\r\nStart=3\r\nTimer=0\r\n", false, true, "[ROOT]\r\nStart=2\r\nTimer=2\r\nCat=3\r\n"},
        {"[FRIST1]\r\nDatum=x\r\n; note\r\n", true, true, "[FRIST1]\r\nDatum=x\r\n; note\r\n" + keys},
        {"\x01\xFF garbage\0["s, true, true, "\x01\xFF garbage\0[\r\n"s + keys},
        {endless, true, true, endless + "\r\n" + keys},
        {"[FRIST1]\r\n", false, false, "[FRIST1]\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.file.value_or("no file").substr(0, 20) << " " << c.watch);
        DeadlineSystem s(c.file, c.watch ? std::optional("07.12.2026 09:00:00"s) : std::nullopt);
        if (!c.program) s.p.files.Delete(ProgramFile(s.hub, "DUEDATES.EXE"));
        SetUpDeadlineWatch(s.hub);
        EXPECT_EQ(s.p.files.ReadAll(kStartFile).value_or("no file"), c.after);
        const bool setUp = c.after != c.file.value_or("no file");
        EXPECT_EQ(s.Count(s.Quoted("DUEDATES.EXE") + " /auto"), setUp && c.program ? 1 : 0);
        EXPECT_EQ(s.hub.settings.ReadText(Setting::Infotip),
                  c.program ? "" : "Die Anwendung zur \xDC" "berwachung der Fristen ist fehlerhaft oder konnte nicht gefunden werden !");
    }
}

}  // namespace
}  // namespace kolvane
