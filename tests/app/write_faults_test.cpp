// Every flow that writes, failed at each of its changes in turn with each kind of fault: nothing stored is
// left half-written, the user hears of what was not done, and the hub starts again afterwards.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "app/command_channel.h"
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
using Stored = std::map<std::string, std::string>;

std::string Program(char fill) { return "MZ" + std::string(0x3A, fill) + "\x40\0\0\0PE\0\0"s + std::string(8, fill); }

// An installed system with its database in the program folder, for every flow; the windows a flow opens do nothing.
struct World : OptionsSystem {
    World() {
        hub.absenderView = &absender;
        for (const char* program : {"HINTFEED.EXE", "DUEDATES.EXE", "RESTARTR.EXE", "CLOSEALL.EXE"}) Put(ProgramFile(hub, program));
        p.files.CreateFolder(p.kernel.TempFolder());
    }
    // Every file (the diagnostic log aside, which only grows) and every registry value, each whole.
    Stored Snapshot() const {
        Stored stored;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(p.root)) {
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file() && name != kLogName && name != kPreviousLogName)
                stored[std::filesystem::relative(entry.path(), p.root).string()] =
                    (std::ostringstream() << std::ifstream(entry.path(), std::ios::binary).rdbuf()).str();
        }
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
    int Pack(const std::vector<std::string>& args) { return RunPackCommand(args, p.files, out, err); }

    struct : AbsenderView { void ShowModal(Hub&, AbsenderForm&) override {} void BringToFront() override {} } absender;
    struct : LizenzierungView {
        void ShowModal(Hub&, LizenzierungForm&) override {}
        void Lock() override {}
        void Hide() override {}
        void BringToFront() override {}
    } lizenzierung;
    std::ostringstream out, err;
    OptionsForm form;
};

struct Flow {
    const char* name;
    void (*setUp)(World&);
    void (*run)(World&);
    bool tells;  // a change left undone is told to the user
};

const Flow kFlows[] = {
    {"start-up", [](World&) {}, [](World& w) { RunStartup(w.hub); }, false},
    {"close",
     [](World& w) {
         w.hub.settings.WriteText(Setting::PCName, "BERATUNG1");
         w.Put("C:\\Orvintal\\DATEX.PCN", "[001]\r\nPCName=" + *Crypt("BERATUNG1") + "\r\n");
         w.Put("C:\\Orvintal\\DATEX.IHP", "x");
         w.Put("C:\\Orvintal\\DATEX.CCP", "x");
     },
     [](World& w) { RunCloseSequence(w.hub); }, false},
    {"daily backup",
     [](World& w) {
         w.Put("C:\\Orvintal\\DATEX.BAK", ConfiguredDatabase() + "[001]\r\nNAME=gestern\r\n");
         w.p.files.SetModifiedTime("C:\\Orvintal\\DATEX.BAK", {2026, 12, 6, 7, 0, 0});
         w.Put("C:\\Orvintal\\DATEX.OLD", ConfiguredDatabase() + "[001]\r\nNAME=vorgestern\r\n");
     },
     [](World& w) { RotateBackups(w.hub); }, true},
    {"restore",
     [](World& w) {
         w.p.files.Delete(kDatabase);
         w.Put("C:\\Orvintal\\DATEX.BAK", ConfiguredDatabase() + "[001]\r\nNAME=gestern\r\n");
         w.p.dialogs.answers = {MsgAnswer::Yes};
     },
     [](World& w) { OfferRestore(w.hub); }, true},
    {"options save", [](World& w) { w.form = OptionsLoad(w.hub); },
     [](World& w) {
         w.form[Ctl::CRefreshDialog].value = 1 - w.form[Ctl::CRefreshDialog].value;
         w.form[Ctl::TEnde2].text = "1500";
         OptionsSave(w.hub, w.form);
     },
     true},
    {"sender save", [](World&) {},
     [](World& w) {
         AbsenderForm form = AbsenderLoad(w.hub);
         form.texts[0] = "Verein Nord";
         form.texts[SenderFieldOf(Office::Main, kIdRow)] = "10/10";
         AbsenderSave(w.hub, form);
     },
     true},
    {"member number confirm",
     [](World& w) { w.p.dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::Cancel}; },
     [](World& w) {
         LizenzierungForm form = LizenzierungLoad(w.hub);
         form.fields[TEnde2] = "1999";
         LizenzierungConfirm(w.hub, form, w.lizenzierung);
     },
     true},
    {"search history", [](World& w) { w.Put("C:\\Orvintal\\REFIND.DAT", "[REFIND]\r\n100=Meier\r\n"); },
     [](World& w) { WriteNames(w.hub, {"Schulz", "Meier"}); }, false},
    {"update hand-off",
     [](World& w) {
         w.hub.settings.WriteText(Setting::Updates, "07.12.2026");
         w.Put("C:\\Orvintal\\TAXES.CFG", "[00]\r\n3=2026\r\n");
         w.Put("C:\\Orvintal\\UPDCTRL.DLL", Program('o'));
         w.Put("C:\\Orvintal\\UPDCTRL.UCF", Program('n'));
         w.Put("C:\\Orvintal\\UPDATE.SET", "[X]\r\n");
         w.p.files.SetModifiedTime("C:\\Orvintal\\UPDATE.SET", {2026, 12, 6, 7, 0, 0});
     },
     [](World& w) { WebUpdateCheck(w.hub); }, false},
    {"TAXES.CFG", [](World& w) { w.hub.settings.WriteText(Setting::Updates, "07.12.2026"); },
     [](World& w) { WebUpdateCheck(w.hub); }, false},
    {"deadline set-up", [](World& w) { w.Put("C:\\Orvintal\\FRISTEN.DAT", "[A]\r\nB=x\r\n"); },
     [](World& w) { SetUpDeadlineWatch(w.hub); }, false},
    {"settings import",
     [](World& w) {
         w.Put("C:\\SICHER.REG", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software\\Brekkan\\Orvintal]\r\n\"Pfad\"=\"x\"\r\n");
         w.p.kernel.systemFolder = "C:\\Windows\\System32";
         w.p.dialogs.menuChoices = {12};
         w.p.dialogs.files = {"C:\\SICHER.REG"};
         w.p.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Cancel};
         w.form = OptionsLoad(w.hub);
     },
     [](World& w) { OptionsExtraMenu(w.hub, w.form); },
     true},
    {"database change",
     [](World& w) {
         w.Put("D:\\Gemeinsam\\DATEX.DAT", "[000]\r\n" + Line("SIZE", "1234") + Line("A1", "001"));
         w.p.dialogs.files = {"D:\\Gemeinsam\\Datex.dat"};
         w.form = OptionsLoad(w.hub);
     },
     [](World& w) { OptionsToolButton(w.hub, w.form, Ctl::bDatFile); },
     true},
    {"pack", [](World& w) { w.Put("C:\\in\\A.TXT", "Hallo"), w.Put("C:\\in\\B.TXT", "Welt"), w.Put("C:\\P.PAK", "alt"); },
     [](World& w) { w.Pack({"create", "C:\\P.PAK", "C:\\in\\A.TXT", "C:\\in\\B.TXT"}); }, true},
    {"unpack",
     [](World& w) {
         w.Put("C:\\in\\A.TXT", "Hallo"), w.Put("C:\\in\\B.TXT", "Welt"), w.Put("C:\\out\\A.TXT", "alt");
         w.Pack({"create", "C:\\P.PAK", "C:\\in\\A.TXT", "C:\\in\\B.TXT"});
     },
     [](World& w) { w.Pack({"extract", "C:\\P.PAK", "C:\\out"}); }, true},
};

std::optional<std::string> In(const Stored& stored, const std::string& name) {
    const auto it = stored.find(name);
    return it == stored.end() ? std::nullopt : std::optional(it->second);
}

std::vector<std::string> Lines(const std::optional<std::string>& text) {
    std::vector<std::string> lines;
    for (std::istringstream in(text.value_or("")); lines.emplace_back(), std::getline(in, lines.back());) {}
    return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// A file or value as it was or as it should be now; a file written by steps (a profile write per value) may hold
// some of them, but no line that neither state has and every line that both keep. A temporary file may stay
// where the step that would have removed it failed, and so may a copy in the temporary folder.
bool Whole(const std::optional<std::string>& now, const std::optional<std::string>& before,
           const std::optional<std::string>& after, const std::string& name) {
    if (now == before || now == after) return true;
    if (!before && !after) return name.ends_with(".new") || name.find(".~") != std::string::npos || name.starts_with("C/Temp/");
    if (!now) return false;
    const auto kept = Lines(now), was = Lines(before), is = Lines(after);
    return std::all_of(kept.begin(), kept.end(), [&](const auto& line) { return Has(was, line) || Has(is, line); }) &&
           std::all_of(was.begin(), was.end(), [&](const auto& line) { return !Has(is, line) || Has(kept, line); });
}

// Runs a flow, which may end the process, on a fresh world with the fault at its n-th change (0: none); returns
// the changes it asked for.
int Play(World& w, const Flow& flow, Fault fault, int n) {
    flow.setUp(w);
    w.p.faults.Arm(fault, n);
    Ends([&] { flow.run(w); });
    const int changes = w.p.faults.Changes();
    w.p.faults.Arm(fault, 0);
    return changes;
}

TEST(WriteFaultsTest, EveryFlowLeavesEachFileAndValueWholeAndTheHubStarts) {
    constexpr Fault kFaults[] = {Fault::AccessDenied, Fault::DiskFull, Fault::SharingViolation, Fault::PathGone,
                                 Fault::ProcessEnded};
    for (const Flow& flow : kFlows) {
        World done;
        const Stored before = (flow.setUp(done), done.Snapshot());
        const int points = Play(done, flow, Fault::AccessDenied, 0);
        const Stored after = done.Snapshot();
        std::cout << flow.name << ": " << points << " fault points\n";
        for (const Fault fault : kFaults) {
            for (int n = 1; n <= points; ++n) {
                SCOPED_TRACE(::testing::Message() << flow.name << ", fault " << static_cast<int>(fault) << " at " << n);
                World w;
                ASSERT_GE(Play(w, flow, fault, n), n);
                const Stored now = w.Snapshot();
                bool undone = false;
                for (const Stored* state : std::initializer_list<const Stored*>{&before, &after, &now}) {
                    for (const auto& [name, value] : *state) {
                        SCOPED_TRACE(name);
                        EXPECT_TRUE(Whole(In(now, name), In(before, name), In(after, name), name)) << In(now, name).value_or("<none>");
                        undone |= (In(before, name) || In(after, name)) && In(now, name) != In(after, name);
                    }
                }
                EXPECT_TRUE(!flow.tells || !undone || fault == Fault::ProcessEnded || w.ToldMore(done)) << "not told";
                Hub next(w.p.os);
                next.Root = w.hub.Root, next.Text1 = w.hub.Text1;
                w.hub.mutex.reset();
                w.p.dialogs.answers.clear();
                const std::size_t sent = w.p.windows.Sent().size();
                EXPECT_FALSE(Ends([&] { RunStartup(next); })) << "the next start ended";
                EXPECT_TRUE(TimerEnabled(next, HubTimer::Timer5) || w.p.windows.Sent().size() > sent)
                    << "the next start neither completed nor handed over";
            }
        }
    }
}

}  // namespace
}  // namespace kolvane
