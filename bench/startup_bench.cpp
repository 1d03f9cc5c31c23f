// The hub's start on the in-memory platform, from the load of its window to the ready icon, as an installed
// system of the demo installation makes it: the settings key, the component programs, the system libraries,
// the sample files and the demo database of 200 members. The fake clock lets the fixed waits (the start's own
// and the completion timer's period) cost nothing, so the figure is the start's own work, menu and icon
// included. Its yardstick in the same run, CopyDatabase, is the one plain copy of the member database that
// the start makes anyway (DATEX.DAT to DATEX.NET); ./bench.sh prints how many such copies the start costs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/startup_sequence.h"
#include "demo_database.h"
#include "launcher/component_table.h"
#include "launcher/hub_menu.h"
#include "platform/platform_memory.h"
#include "settings/registry_keys.h"
#include "settings/registry_store.h"
#include "tasks/start_completion.h"

namespace kolvane {
namespace {

constexpr char kFolder[] = "C:\\Orvintal\\";
constexpr char kSystemFolder[] = "C:\\Windows\\System32\\";

std::string InFolder(std::string_view name) { return kFolder + std::string(name); }

// An installed system as tools/demo/make-demo.sh lays it out; the contributions index is today's, so the
// first tick of the completion timer finds nothing to wait for.
void Install(MemoryPlatform& p) {
    RegCreateKey(p.registry, kSettingsKey.root, kSettingsKey.path, "");
    Settings settings(p.registry, p.kernel);
    settings.WriteInt(Setting::FirstRun, 1);
    settings.WriteText(Setting::Database, kFolder);
    settings.WriteInt(Setting::CheckPrint, 1);
    settings.WriteText(Setting::ALizenz1, "Lohnsteuerhilfe Musterstadt e.V.");
    RegCreateKey(p.registry, kMenuComponentClsidKey.root, kMenuComponentClsidKey.path, "");
    RegSetSetting(p.registry, kMenuComponentClsidKey.root, kMenuComponentClsidKey.path, "", std::string("PopupMenu"));
    for (const ComponentRow& row : ComponentTable())
        if (!row.program.empty()) p.files.Put(InFolder(row.program), "MZ");
    for (const char* library : {"Ssubtmr.dll", "Ssubtmr6.dll", "CNewMenu.dll", "MsStdFmt.dll"})
        p.files.Put(kSystemFolder + std::string(library), "MZ");
    for (const char* sample :
         {"Data\\Ort.dat", "Data\\Plz.dat", "Formulare\\DISPATCH.DAT", "Resource\\Db01000.dat", "Vorlagen\\user.dat"})
        p.files.Put(InFolder(sample), "[X]\r\n");
    const DemoOptions options;
    p.files.Put(InFolder("DATEX.DAT"), MakeDemoDatabase(options, MakeDemoMembers(options)));
    p.files.Put(InFolder("DATEX.IHP"), "");
    const DateTime today = p.clock.Now();
    p.files.SetModifiedTime(InFolder("DATEX.IHP"), {today.year, today.month, today.day, 8, 0, 0});
}

// A fresh installation for each start, made while the timing stands still.
struct Installation {
    Installation() { Install(p); }
    MemoryPlatform p;
};

// The hub window's load, then the completion timer's tick; true when the icon shows the hub ready.
bool StartToReady(MemoryPlatform& p) {
    Hub hub(p.os);
    hub.Root = p.windows.Create(kHubClass, kHubCaption);
    hub.Text1 = p.windows.Create(kCommandBoxClass, "", hub.Root);
    HubMenu menu;
    const MenuAttachment attachment(hub, menu);
    RunStartup(hub);
    CompleteStartTick(hub);
    return hub.symbolTag == "1";
}

void Startup(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto installation = std::make_unique<Installation>();
        state.ResumeTiming();
        if (!StartToReady(installation->p)) state.SkipWithError("the start did not reach the ready icon");
        state.PauseTiming();
        installation.reset();
        state.ResumeTiming();
    }
}

void CopyDatabase(benchmark::State& state) {
    Installation installation;
    const std::filesystem::path from = installation.p.files.HostPath(InFolder("DATEX.DAT"));
    const std::filesystem::path to = installation.p.files.HostPath(InFolder("DATEX.NET"));
    for (auto _ : state) std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
}

BENCHMARK(Startup)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvane

BENCHMARK_MAIN();
