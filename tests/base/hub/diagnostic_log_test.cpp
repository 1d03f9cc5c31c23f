#include "hub/diagnostic_log.h"

#include "hub/database_backup.h"
#include "hub/shutdown.h"
#include "app/startup_sequence.h"
#include "hub_fixture.h"
#include "launcher/component_table.h"
#include "options/settings_action.h"
#include "tasks/auto_backup.h"
#include "tasks/exit_request.h"

namespace kolvane {
namespace {

constexpr char kLog[] = "C:\\Temp\\KOLVANE.LOG";
constexpr char kOld[] = "C:\\Temp\\KOLVANE.OLD";
constexpr char kStamp[] = "07.12.2026 09:00:00 ";

struct NoMenu : MenuEntries {
    void Disable(int) override {}
};

// Each way the hub ends leaves its last line saying who asked; a refused write names its call, its file and the
// system's error.
TEST(DiagnosticLogTest, EachEndAndEachRefusedWriteLeavesItsLine) {
    NoMenu menu;
    const struct {
        const char* way;
        std::function<void(InstalledSystem&)> run;
        const char* lastLine;
        const char* earlierLine = "";
    } cases[] = {
        {"command box", [](InstalledSystem& s) { s.p.windows.SetText(s.hub.Text1, "$Ende$"); },
         "Ende: Befehl $Ende$ eines anderen Programms"},
        {"registry", [](InstalledSystem& s) { s.hub.settings.WriteInt(Setting::NowClose, 1), CloseRequestAndBackupTick(s.hub); },
         "Ende: Registry (NowClose = 1)"},
        {"exit file", [](InstalledSystem& s) { s.Put("C:\\Orvintal\\EXIT.SUB"), ExitRequestTick(s.hub); }, "Ende: Datei EXIT.SUB"},
        {"menu", [&](InstalledSystem& s) { RunAction(s.hub, ActionKey::Beenden, {menu, 7}); }, "Ende: Menü Beenden"},
        {"second start", [](InstalledSystem& s) { s.p.windows.Create(kHubClass, kHubCaption), RunStartup(s.hub); },
         "Start beendet: ein Hub läuft schon (zweiter Start)"},
        {"restart after the options", [](InstalledSystem& s) { s.Put("C:\\Orvintal\\KOLVANE.EXE"), RestartHub(s.hub, "x"); },
         "Ende: Neustart nach den Optionen"},
        {"refused write",
         [](InstalledSystem& s) {
             s.p.files.onChange = [](const FileChange& c) { return c.kind == FileChange::Kind::Append ? std::nullopt : std::optional(false); };
             RotateBackups(s.hub);
         },
         "Datensicherung DATEX.BAK nicht angelegt",
         "Schreiben fehlgeschlagen: CreateFileA C:\\Orvintal\\DATEX.BAK.new: Fehler 5 (Zugriff verweigert)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        InstalledSystem s(true);
        s.hub.LrDatabase = "C:\\Orvintal\\";
        s.p.files.CreateFolder("C:\\Temp");
        Ends([&] { c.run(s); });
        const std::string log = s.p.files.ReadAll(kLog).value_or("");
        EXPECT_TRUE(log.ends_with(" " + std::string(c.lastLine) + "\r\n")) << log;
        EXPECT_NE(log.find(c.earlierLine), std::string::npos) << log;
    }
}

// Beyond its bound the log becomes the one previous generation; a log that cannot be written disturbs nothing.
TEST(DiagnosticLogTest, TheBoundAndTheOneOlderGenerationHold) {
    MemoryPlatform p;
    p.files.Put(kLog, "");
    DiagnosticLog log(p.files, p.clock, "C:\\Temp\\", 100);  // three lines of 32 bytes
    const auto lines = [](int from, int to) {
        std::string text;
        for (int i = from; i <= to; ++i) text += kStamp + std::string("Ereignis ") + std::to_string(i) + "\r\n";
        return text;
    };
    for (int i = 1; i <= 7; ++i) log.Write("Ereignis " + std::to_string(i));
    EXPECT_EQ(p.files.ReadAll(kOld), lines(4, 6));
    EXPECT_EQ(p.files.ReadAll(kLog), lines(7, 7));

    p.files.onChange = [](const FileChange&) { return std::optional(false); };
    for (int i = 8; i <= 10; ++i) log.Write("Ereignis " + std::to_string(i));
    EXPECT_EQ(p.files.ReadAll(kLog), lines(7, 7));
    EXPECT_EQ(p.files.ReadAll(kOld), lines(4, 6));
}

}  // namespace
}  // namespace kolvane
