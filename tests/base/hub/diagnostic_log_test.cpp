#include "hub/diagnostic_log.h"

#include "app/startup_sequence.h"
#include "hub/database_backup.h"
#include "launcher/launcher_fixture.h"
#include "options/settings_action.h"
#include "tasks/auto_backup.h"
#include "tasks/exit_request.h"

namespace kolvane {
namespace {

constexpr char kLog[] = "C:\\Temp\\KOLVANE.LOG";

// Each way the hub ends leaves its last line saying who asked; a refused write names its call, its file and the
// system's error.
TEST(DiagnosticLogTest, EachEndAndEachRefusedWriteLeavesItsLine) {
    RecordingMenu menu;
    const struct {
        std::function<void(InstalledSystem&)> run;
        std::string lastLine, earlierLine = "";
    } cases[] = {
        {[](auto& s) { s.p.windows.SetText(s.hub.Text1, "$Ende$"); }, "Ende: Befehl $Ende$ eines anderen Programms"},
        {[](auto& s) { s.hub.settings.WriteInt(Setting::NowClose, 1), CloseRequestAndBackupTick(s.hub); },
         "Ende: Registry (NowClose = 1)"},
        {[](auto& s) { s.Put("C:\\Orvintal\\EXIT.SUB"), ExitRequestTick(s.hub); }, "Ende: Datei EXIT.SUB"},
        {[&](auto& s) { RunAction(s.hub, ActionKey::Beenden, {menu, 7}); }, "Ende: Menü Beenden"},
        {[](auto& s) { s.p.windows.Create(kHubClass, kHubCaption), RunStartup(s.hub); },
         "Start beendet: ein Hub läuft schon (zweiter Start)"},
        {[](auto& s) { s.Put("C:\\Orvintal\\KOLVANE.EXE"), RestartHub(s.hub, "x"); }, "Ende: Neustart nach den Optionen"},
        {[](auto& s) { s.p.files.onChange = AllButTheLogFail, RotateBackups(s.hub); }, "Datensicherung DATEX.BAK nicht angelegt",
         "Schreiben fehlgeschlagen: CreateFileA C:\\Orvintal\\DATEX.BAK.new: Fehler 5 (Zugriff verweigert)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastLine);
        InstalledSystem s(true);
        s.hub.LrDatabase = "C:\\Orvintal\\";
        s.Put(kLog);
        Ends([&] { c.run(s); });
        const std::string log = s.p.files.ReadAll(kLog).value_or("");
        EXPECT_TRUE(log.ends_with(" " + c.lastLine + "\r\n") && log.find(c.earlierLine) != std::string::npos) << log;
    }
}

// Beyond its bound the log becomes the one previous generation; a log that cannot be written disturbs nothing.
TEST(DiagnosticLogTest, TheBoundAndTheOneOlderGenerationHold) {
    MemoryPlatform p;
    p.files.Put(kLog, "");
    DiagnosticLog log(p.files, p.clock, "C:\\Temp\\", 100);  // three lines of 32 bytes
    for (int i = 1; i <= 10; ++i) {
        if (i == 8) p.files.onChange = [](const FileChange&) { return std::optional(false); };
        log.Write("Ereignis " + std::to_string(i));
    }
    const std::string stamp = "07.12.2026 09:00:00 Ereignis ";
    EXPECT_EQ(p.files.ReadAll("C:\\Temp\\KOLVANE.OLD"), stamp + "4\r\n" + stamp + "5\r\n" + stamp + "6\r\n");
    EXPECT_EQ(p.files.ReadAll(kLog), stamp + "7\r\n");
}

}  // namespace
}  // namespace kolvane
