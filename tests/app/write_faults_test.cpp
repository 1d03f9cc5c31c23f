// Every flow that writes, failed at each of its changes in turn with each kind of fault: nothing stored is
// left half-written, the user hears of what was not done, and the hub starts again afterwards.
#include <iostream>
#include <map>
#include <sstream>

#include "app/startup_sequence.h"
#include "hub/database_backup.h"
#include "hub/diagnostic_log.h"
#include "members/number_ranges.h"
#include "members/sender_data.h"
#include "options/options_fixture.h"
#include "options/options_save.h"
#include "pack/pack_command.h"
#include "search/search_history.h"
#include "tasks/deadline_watch.h"
#include "tasks/update_check.h"

namespace kolvane {
namespace {

using namespace std::string_literals;
using Stored = std::map<std::string, std::optional<std::string>>;
constexpr char kBak[] = "C:\\Orvintal\\DATEX.BAK";

// An installed system with its database in the program folder, for every flow; the windows a flow opens do nothing.
struct World : OptionsSystem {
    World() {
        hub.absenderView = &absender;
        for (const char* program : {"HINTFEED.EXE", "DUEDATES.EXE", "CLOSEALL.EXE"}) Put(ProgramFile(hub, program));
        p.files.CreateFolder(p.kernel.TempFolder());
    }
    // Every file (the diagnostic log aside, which only grows) and every registry value, each whole.
    Stored Snapshot() const {
        Stored stored;
        for (const auto& [name, bytes] : p.files.Dump())
            if (!name.ends_with(kLogName) && !name.ends_with(kPreviousLogName)) stored[name] = bytes;
        for (const std::string& line : p.registry.Dump()) stored[line.substr(0, line.find('='))] = line;
        return stored;
    }
    // Whether this run told the user something that the run without a fault did not.
    bool ToldMore(const World& done) const {
        const auto& boxes = done.p.dialogs.shown;
        return err.str() != done.err.str() || std::any_of(p.dialogs.shown.begin(), p.dialogs.shown.end(), [&](const auto& box) {
                   return std::find(boxes.begin(), boxes.end(), box) == boxes.end();
               });
    }
    void Pack(const std::string& verb, const std::string& target) {
        Put("C:\\in\\A.TXT", "Hallo"), Put("C:\\in\\B.TXT", "Welt");
        RunPackCommand(verb == "create" ? std::vector{verb, target, "C:\\in\\A.TXT"s, "C:\\in\\B.TXT"s} : std::vector{verb, "C:\\P.PAK"s, target},
                       p.files, out, err);
    }
    struct : AbsenderView { void ShowModal(Hub&, AbsenderForm&) override {} void BringToFront() override {} } absender;
    struct : LizenzierungView { void ShowModal(Hub&, LizenzierungForm&) override {} void Lock() override {} void Hide() override {}
                                void BringToFront() override {} } lizenzierung;
    std::ostringstream out, err;
    OptionsForm form;
};

// tells: a change left undone is told to the user.
struct Flow { const char* name; void (*setUp)(World&); void (*run)(World&); bool tells; };

const Flow kFlows[] = {
    {"start-up", [](World&) {}, [](World& w) { RunStartup(w.hub); }, false},
    {"start-up share", [](World& w) { w.hub.settings.WriteText(Setting::Database, "\\\\srv\\lohn\\"), w.Put("\\\\srv\\lohn\\DATEX.DAT", ConfiguredDatabase()); }, [](World& w) { RunStartup(w.hub); }, false},
    {"close", [](World& w) { w.hub.settings.WriteText(Setting::PCName, "B1"), w.Put("C:\\Orvintal\\DATEX.PCN", "[001]\r\nPCName=" + *Crypt("B1"));
                             w.Put("C:\\Orvintal\\DATEX.IHP", "x"), w.Put("C:\\Orvintal\\DATEX.CCP", "x"); },
     [](World& w) { RunCloseSequence(w.hub); }, false},
    {"daily backup", [](World& w) { w.Put(kBak, ConfiguredDatabase() + "[1]\r\n"), w.Put("C:\\Orvintal\\DATEX.OLD", ConfiguredDatabase());
                                    w.p.files.SetModifiedTime(kBak, {2026, 12, 6, 7, 0, 0}); },
     [](World& w) { RotateBackups(w.hub); }, true},
    {"restore", [](World& w) { w.p.files.Delete(kDatabase), w.Put(kBak, ConfiguredDatabase()), w.p.dialogs.answers = {MsgAnswer::Yes}, w.Put("C:\\Orvintal\\DATEX.OLD", ConfiguredDatabase() + "[2]\r\n"); },
     [](World& w) { OfferRestore(w.hub); }, true},
    {"options save", [](World& w) { RegCreateKey(w.p.registry, kRunKey.root, kRunKey.path, ""), w.form = OptionsLoad(w.hub), w.form[Ctl::CRefreshDialog].value ^= 1, w.form[Ctl::TEnde2].text = "1500", w.form[Ctl::CAutostart].value ^= 1; },
     [](World& w) { OptionsSave(w.hub, w.form); }, true},
    {"sender save", [](World&) {},
     [](World& w) { AbsenderForm form{{"Verein Nord", "", "", "", "", "10/10"}, true}; AbsenderSave(w.hub, form); }, true},
    {"member number confirm", [](World& w) { w.Put("C:\\Orvintal\\RESTARTR.EXE"), w.Put("C:\\Orvintal\\DATEX.OLD", ConfiguredDatabase()), w.Put(kBak, ConfiguredDatabase() + "[1]\r\n"); },
     [](World& w) { LizenzierungForm form{{"001", "890", "900", "1999"}}; LizenzierungConfirm(w.hub, form, w.lizenzierung); }, true},
    {"search history", [](World& w) { w.Put("C:\\Orvintal\\REFIND.DAT", "[REFIND]\r\n100=Meier\r\n"); },
     [](World& w) { WriteNames(w.hub, {"Schulz", "Meier"}); }, false},
    {"update hand-off", [](World& w) { w.hub.settings.WriteText(Setting::Updates, "07.12.2026"), w.Put("C:\\Orvintal\\TAXES.CFG", "[00]\r\n3=2026\r\n");
                                       w.Put("C:\\Orvintal\\UPDCTRL.DLL", Program('o')), w.Put("C:\\Orvintal\\UPDCTRL.UCF", Program('n'));
                                       w.Put("C:\\Orvintal\\UPDATE.SET", "[X]\r\n");
                                       w.p.files.SetModifiedTime("C:\\Orvintal\\UPDATE.SET", {2026, 12, 6, 7, 0, 0}); },
     [](World& w) { WebUpdateCheck(w.hub); }, false},
    {"TAXES.CFG", [](World& w) { w.hub.settings.WriteText(Setting::Updates, "07.12.2026"); }, [](World& w) { WebUpdateCheck(w.hub); }, false},
    {"deadline set-up", [](World& w) { w.Put("C:\\Orvintal\\FRISTEN.DAT", "[A]\r\nB=x\r\n"); }, [](World& w) { SetUpDeadlineWatch(w.hub); }, false},
    {"settings import", [](World& w) { w.Put("C:\\S.REG", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software\\Brekkan\\Orvintal]\r\n");
                                       w.p.kernel.systemFolder = "C:\\Windows\\System32", w.p.dialogs.menuChoices = {12};
                                       w.p.dialogs.files = {"C:\\S.REG"}, w.p.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Cancel};
                                       w.form = OptionsLoad(w.hub); },
     [](World& w) { OptionsExtraMenu(w.hub, w.form); }, true},
    {"database change", [](World& w) { w.Put("D:\\G\\DATEX.DAT", "[000]\r\n" + Line("SIZE", "1") + Line("A1", "001"));
                                       w.p.dialogs.files = {"D:\\G\\Datex.dat"}, w.form = OptionsLoad(w.hub); },
     [](World& w) { OptionsToolButton(w.hub, w.form, Ctl::bDatFile); }, true},
    {"pack", [](World& w) { w.Put("C:\\P.PAK", "alt"); }, [](World& w) { w.Pack("create", "C:\\P.PAK"); }, true},
    {"unpack", [](World& w) { w.Pack("create", "C:\\P.PAK"), w.Put("C:\\out\\A.TXT", "alt"); }, [](World& w) { w.Pack("extract", "C:\\out"); }, true},
};

std::vector<std::string> Lines(const std::optional<std::string>& text) {
    std::vector<std::string> lines;
    for (std::istringstream in(text.value_or("")); lines.emplace_back(), std::getline(in, lines.back());) {}
    return lines;
}

// As it was or as it should be now; a file written by steps (a profile write per value) may hold some of them, but
// no line that neither state has and every line that both keep. A temporary file may stay where the step that
// would have removed it failed, and so may a copy in the temporary folder.
bool Whole(const std::optional<std::string>& now, const std::optional<std::string>& before,
           const std::optional<std::string>& after, const std::string& name) {
    if (now == before || now == after) return true;
    if (!before && !after) return name.ends_with(".new") || name.find(".~") != std::string::npos || name.starts_with("C/Temp/");
    const auto kept = Lines(now), was = Lines(before), is = Lines(after);
    const auto has = [](const auto& lines, const auto& line) { return std::find(lines.begin(), lines.end(), line) != lines.end(); };
    return now && std::all_of(kept.begin(), kept.end(), [&](const auto& line) { return has(was, line) || has(is, line); }) &&
           std::all_of(was.begin(), was.end(), [&](const auto& line) { return !has(is, line) || has(kept, line); });
}

// Runs a flow, which may end the process, with the fault at its n-th change (0: none); returns its changes.
int Play(World& w, const Flow& flow, Fault fault, int n) {
    flow.setUp(w);
    w.p.faults.Arm(fault, n);
    Ends([&] { flow.run(w); });
    const int changes = w.p.faults.Changes();
    w.p.faults.Arm(fault, 0);
    return changes;
}

TEST(WriteFaultsTest, EveryFlowLeavesEachFileAndValueWholeAndTheHubStarts) {
    for (const Flow& flow : kFlows) {
        World done;
        const Stored before = (flow.setUp(done), done.Snapshot());
        const int points = Play(done, flow, Fault::AccessDenied, 0);
        const Stored after = done.Snapshot();
        std::cout << flow.name << ": " << points << " fault points\n";
        EXPECT_GT(points, 0) << flow.name << " wrote nothing";
        for (const Fault fault : {Fault::AccessDenied, Fault::DiskFull, Fault::SharingViolation, Fault::PathGone, Fault::ProcessEnded}) {
            for (int n = 1; n <= points; ++n) {
                SCOPED_TRACE(::testing::Message() << flow.name << ", fault " << static_cast<int>(fault) << " at " << n);
                World w;
                ASSERT_GE(Play(w, flow, fault, n), n);
                const Stored now = w.Snapshot();
                bool undone = false;
                for (const Stored* state : {&before, &after, &now}) {
                    for (const auto& [name, value] : *state) {
                        const auto in = [&](const Stored& s) { return s.contains(name) ? s.at(name) : std::nullopt; };
                        EXPECT_TRUE(Whole(in(now), in(before), in(after), name)) << name << ": " << in(now).value_or("none");
                        undone |= (in(before) || in(after)) && in(now) != in(after);
                    }
                }
                EXPECT_TRUE(!flow.tells || !undone || fault == Fault::ProcessEnded || w.ToldMore(done)) << "not told";
                Hub next(w.p.os);
                next.Root = w.hub.Root, next.Text1 = w.hub.Text1;
                w.hub.mutex.reset();
                const std::size_t sent = w.p.windows.Sent().size();
                EXPECT_FALSE(Ends([&] { RunStartup(next); })) << "the next start ended";
                EXPECT_TRUE(TimerEnabled(next, HubTimer::Timer5) || w.p.windows.Sent().size() > sent) << "next start neither ran nor handed over";
            }
        }
    }
}

}  // namespace
}  // namespace kolvane
