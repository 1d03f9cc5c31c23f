#include "tasks/update_check.h"

#include "timer_fixture.h"

namespace kolvane {
namespace {

using namespace std::string_literals;
using Starts = std::vector<std::string>;
constexpr char kToday[] = "07.12.2026";

// On 7 December 2026 with the programs given; "$Ende$" is only noted, the starts read "PROGRAM switches".
struct UpdateSystem : TimedSystem {
    explicit UpdateSystem(const Starts& files = {"HINTFEED.EXE"}, const char* updates = kToday) {
        p.windows.Get(hub.Text1).onChange = nullptr;
        for (const std::string& file : files) PutProgram(file);
        if (updates) hub.settings.WriteText(Setting::Updates, updates);
    }
    Starts Names() const {
        Starts names;
        for (const Started& start : p.shell.started) names.push_back(start.commandLine.substr(13).erase(start.commandLine.find('"', 1) - 13, 1));
        return names;
    }
};

// Two starts of a day: the first reminds after 25 days (unless reminders are off) and hands over while `AutoUpdate`
// is 1, " /p" for the package update of `PackageUpdate` 1, or hands waiting settings over; only a manager that
// started ends the hub and records the day. The second finds the day done and deletes the settings the manager had;
// without a hand-off it reminds again.
TEST(UpdateCheckTest, TwoStartsOfADayHandOverOnceAndOnlyToAStartedManager) {
    const Starts all{"HINTFEED.EXE", "UPDCTRL.DLL", "UPDCTRL.EXE"}, remind{"HINTFEED.EXE /s", "HINTFEED.EXE /s"};
    struct Case { const char* updates; int internetUpdate, autoUpdate, packageUpdate; Starts files, starts; };
    const Case cases[] = {
        {nullptr, -1, -1, -1, all, {}}, {"12.11.2026", -1, 1, -1, all, {"HINTFEED.EXE /s", "UPDCTRL.DLL /p"}},
        {"13.11.2026", 1, 1, 1, all, {"UPDCTRL.DLL /p"}}, {"kein Datum", 1, 1, 0, all, {"UPDCTRL.DLL /a"}},
        {"08.12.2026", 1, 1, -1, all, {"UPDCTRL.DLL /p"}}, {kToday, 0, 1, -1, all, {}}, {"01.01.2026", 0, 1, -1, all, {"UPDCTRL.DLL /p"}},
        {"01.01.2026", 1, 0, -1, all, remind}, {"01.01.2026", 1, 1, -1, {"HINTFEED.EXE"}, remind},
        {"01.01.2026", 1, 1, -1, {"UPDCTRL.EXE"}, {"UPDCTRL.EXE /p"}}, {kToday, 1, 1, -1, {"UPDCTRL.EXE", "UPDATE.SET"}, {"UPDCTRL.EXE /c"}},
        {kToday, 1, 1, -1, {"UPDATE.SET"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.updates ? c.updates : "-") << " " << c.files.size() << " " << c.starts.size());
        UpdateSystem s(c.files, c.updates);
        for (const auto& [setting, value] : {std::pair{Setting::InternetUpdate, c.internetUpdate}, {Setting::AutoUpdate, c.autoUpdate},
                                              {Setting::PackageUpdate, c.packageUpdate}})
            if (value >= 0) s.hub.settings.WriteInt(setting, static_cast<std::int16_t>(value));
        const bool handsOver = !c.starts.empty() && c.starts.back().starts_with("UPDCTRL");
        EXPECT_EQ((std::tuple{WebUpdateCheck(s.hub), WebUpdateCheck(s.hub), s.Names(), SentClose(s.p, s.hub),  // in this order
                              s.hub.settings.ReadText(Setting::LastUpdate), s.hub.settings.ReadText(Setting::Updates),
                              s.hub.settings.Exists(Setting::UpdPackage), s.p.files.Exists("C:\\Orvintal\\UPDATE.SET")}),
                  std::tuple(handsOver, false, c.starts, handsOver, handsOver ? kToday : "", handsOver || !c.updates ? kToday : c.updates,
                             handsOver && !c.starts.back().ends_with("/c"), c.starts.empty() && c.files.back() == "UPDATE.SET"));
    }
}

// Only a whole Windows program replaces the manager (where it cannot be replaced: the write faults' table); the
// successor is deleted, with the hint, only once the manager is that very program.
TEST(UpdateCheckTest, AWaitingManagerReplacesTheOldOneOnlyWhole) {
    for (const auto& [successor, replaced] : {std::pair{Program('n'), true}, {""s, false}, {"MZ" + std::string(100, 'x'), false}}) {
        UpdateSystem s;
        s.Put("C:\\Orvintal\\UPDCTRL.UCF", successor);
        s.Put("C:\\Orvintal\\UPDCTRL.DLL", Program('o'));
        EXPECT_EQ((std::tuple{WebUpdateCheck(s.hub), s.p.files.ReadAll("C:\\Orvintal\\UPDCTRL.DLL").value_or("locked"), s.p.files.Exists("C:\\Orvintal\\UPDCTRL.UCF"),
                              s.p.files.Exists("C:\\Orvintal\\UPDCTRL.DLL.new"), s.hub.settings.ReadText(Setting::Infotip)}),
                  std::tuple(false, replaced ? successor : Program('o'), !replaced, false,
                             replaced ? "Eine Aktualisierung des Update-Manager von Orvintal wurde gefunden und installiert." : ""));
    }
}

// A new installation's table of tax years (its first sections, the end of its last and its size); an existing one is never rewritten,
// and announces a year it does not know yet, unless its newest year is no number.
TEST(UpdateCheckTest, TheTaxYearTableIsCreatedOnceAndAnnouncesANewYear) {
    const std::string first = "[00]\r\n1=2024\r\n2=2025\r\n3=2026\r\n[06]\r\nName=ESt.-VJ. 2025\r\nExt=.ESt2025\r\nDir=2025\r\n"
                              "App=Steuer-Spar-Erkl\xE4rung 2026\r\nReg=Steuertips_26\r\nVer=26.01\r\n[05]\r\n";
    for (const auto& [before, announces] : {std::pair{std::optional<std::string>(), false}, {"[00]\r\n3=2025\r\n", true},
                                            {"[00]\r\n3=2026\r\n", false}, {"[00]\r\n3=20x6\r\n", false}, {"\xFF\0\r"s, false}}) {
        UpdateSystem s;
        if (before) s.Put("C:\\Orvintal\\TAXES.CFG", *before);
        const std::string table = WebUpdateCheck(s.hub) ? "handed over" : s.p.files.ReadAll("C:\\Orvintal\\TAXES.CFG").value_or("");
        EXPECT_EQ(std::pair(s.Names(), before ? table == *before : table.starts_with(first) && table.ends_with("Steuertips_21\r\nVer=21.01\r\n") && table.size() == 702),
                  std::pair(announces ? Starts{"HINTFEED.EXE /c"} : Starts{}, true)) << table;
    }
}

// `Timer1` hands over silently once the system is online, through the LAN or dial-up, and then goes off.
TEST(UpdateCheckTest, TheSilentUpdateStartsOnceOnline) {
    const std::vector<DialUpConnection> two{{7, "T-Online"}, {9, "Arcor"}};
    struct Case { bool internet; std::vector<DialUpConnection> dialUps; std::string name; std::optional<std::uintptr_t> handle; };
    for (const Case& c : {Case{false, two, "", std::nullopt}, {true, {}, "", 0}, {true, two, "", 7}, {true, two, "Arcor", 9}, {true, {two[0]}, "Arcor", 0}}) {
        UpdateSystem s({"UPDCTRL.DLL"});
        s.p.network.internet = c.internet, s.p.network.dialUps = c.dialUps;
        EnableTimer(s.hub, HubTimer::Timer1, true);
        EXPECT_EQ((std::tuple{ConnectionCheck(s.hub, c.name), s.Tick(HubTimer::Timer1), s.Names(), TimerEnabled(s.hub, HubTimer::Timer1)}),
                  std::tuple(c.handle, false, c.internet ? Starts{"UPDCTRL.DLL /s"} : Starts{}, !c.internet));
    }
}

}  // namespace
}  // namespace kolvane
