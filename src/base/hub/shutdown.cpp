#include "hub/shutdown.h"

#include <cstdlib>

#include "hub/tray_icon.h"
#include "platform/ini_codec.h"
#include "platform/text.h"
#include "store/crypt.h"
#include "store/safe_ini_writer.h"

namespace kolvane {

namespace {

constexpr char kPictHelpCaption[] = "Brekkan PictHelp IDE";
constexpr const char* kWorkstationSections[] = {"001", "002", "003", "004"};
constexpr char kWorkstationKey[] = "PCName";

void DeleteIfExists(Hub& hub, const std::string& path) {
    if (hub.os.files.Exists(path)) hub.os.files.Delete(path);
}

IniEdit RemoveEntryOf(IniDocument& list, const std::string& workstation) {
    for (const char* section : kWorkstationSections) {
        std::optional<std::string> stored = Crypt(list.Read(section, kWorkstationKey));
        if (!stored || ToLower(*stored) != workstation) continue;
        IniEdit key = list.DeleteKey(section, kWorkstationKey);
        IniEdit whole = list.DeleteSection(section);
        return key == IniEdit::Changed || whole == IniEdit::Changed ? IniEdit::Changed : IniEdit::Unchanged;
    }
    return IniEdit::Unchanged;
}

}  // namespace

void RemoveWorkstation(Hub& hub) {
    std::string list = DatabaseFile(hub, "DATEX.PCN");
    std::string name;
    if (!hub.os.files.Exists(list) || !hub.settings.Get(Setting::PCName, name)) return;
    // An empty name would take the first entry that is empty too, which belongs to no workstation.
    if (name.empty()) return;
    // The profile functions under Wine write the whole file anew from what they parsed; the codec keeps
    // every byte outside the removed section, and the safe writer never leaves the list half-written.
    EditIniFile(hub.os.files, hub.os.clock, hub.os.locks, list,
                [&](IniDocument& document) { return RemoveEntryOf(document, ToLower(name)); });
}

void ExitCommand(Hub& hub) {
    RemoveWorkstation(hub);
    if (hub.settings.ReadInt(Setting::NoTmpBeitrag) == 1) DeleteIfExists(hub, DatabaseFile(hub, "BUDGET.XML"));
    DeleteIfExists(hub, ProgramFile(hub, "DATEX.NET"));
    hub.settings.WriteInt(Setting::Encoder, 0);
    Wait(hub, 1);
    // The close-all component asks every program of the suite to quit, this hub included: normally the
    // close sequence ends the process during the next wait.
    StartComponent(hub, "CLOSEALL.EXE", "", ShowState::Normal);
    Wait(hub, 1);
    EnableTimer(hub, HubTimer::Timer1, false);
    SendCommand(hub, kPictHelpCaption, kCloseCommand);
    RemoveTrayIcon(hub);
    EndProgram(hub);
}

void UnloadHubWindow(Hub& hub) {
    NoteCloseRequest(hub, "Hub-Fenster entladen (Task-Manager, Abmelden oder Herunterfahren)");
    RemoveTrayIcon(hub);
    RemoveWorkstation(hub);
    DeleteIfExists(hub, ProgramFile(hub, "DATEX.IHP"));
    hub.settings.WriteInt(Setting::Encoder, 0);
    EndProgram(hub);
}

void OnHubResize(Hub& hub, bool visible) {
    if (!visible) return;
    NoteCloseRequest(hub, "Hub-Fenster sichtbar geworden");
    hub.os.windows.Show(hub.Root, ShowState::Hidden);
    hub.os.clock.Pump(0);
    RemoveTrayIcon(hub);
    hub.os.clock.Pump(0);
    EndProgram(hub);
}

void EndProgram(Hub& hub) {
    hub.log.Write("Ende: " + (hub.closeRequest.empty() ? "Befehl $Ende$ eines anderen Programms" : hub.closeRequest));
    hub.mutex.reset();
    hub.os.kernel.Terminate();
    // cppcheck-suppress unreachableCode ; GCC would warn that this [[noreturn]] function returns
    std::abort();  // not reached; the compiler does not carry [[noreturn]] through a virtual call
}

void EndStart(Hub& hub, const std::string& why) {
    hub.log.Write("Start beendet: " + why);
    hub.os.kernel.Terminate();
    // cppcheck-suppress unreachableCode ; as above
    std::abort();  // not reached, as above
}

}  // namespace kolvane
