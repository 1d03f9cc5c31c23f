#include "hub/hub.h"

#include "platform/wait.h"

namespace kolvane {

Hub::Hub(Platform& platform)
    : os(platform),
      settings(platform.registry, platform.kernel),
      log(platform.files, platform.clock, platform.kernel.TempFolder()),
      startTiming(platform.clock),
      programFolder(platform.kernel.ProgramFolder()) {}

std::string ProgramFile(const Hub& hub, const std::string& name) { return hub.programFolder + "\\" + name; }

std::string DatabaseFile(const Hub& hub, const std::string& name) { return hub.LrDatabase + name; }

bool ProgramFileExists(Hub& hub, const std::string& name) { return hub.os.files.Exists(ProgramFile(hub, name)); }

bool DatabaseFileExists(Hub& hub, const std::string& name) { return hub.os.files.Exists(DatabaseFile(hub, name)); }

void Wait(Hub& hub, double seconds) {
    const StartWaitScope waiting(hub.startTiming);
    Wait(hub.os.clock, seconds);
}

bool StartComponent(Hub& hub, const std::string& program, const std::string& switches, ShowState show) {
    if (!ProgramFileExists(hub, program)) return false;
    return hub.os.shell.StartProcess("\"" + ProgramFile(hub, program) + "\"" + switches, show);
}

void ShowHelpTopic(Hub& hub, const std::string& topic) {
    constexpr char kHelpFile[] = "Orvintal.chm";
    if (!ProgramFileExists(hub, kHelpFile)) return;
    hub.os.shell.StartProcess("\"" + hub.os.kernel.WindowsFolder() + "\\hh.exe\" " + ProgramFile(hub, kHelpFile) +
                                  "::/" + topic,
                              ShowState::Normal);
}

MsgAnswer Message(Hub& hub, const std::string& text, MsgButtons buttons, MsgIcon icon) {
    return hub.os.dialogs.ShowMessage({text, std::string(kHubCaption) + " ", buttons, icon});
}

void NoteCloseRequest(Hub& hub, const std::string& who) {
    hub.closeRequest = who;
    hub.log.Write("Schließen angefordert: " + who);
}

void CloseHub(Hub& hub, const std::string& who) {
    NoteCloseRequest(hub, who);
    hub.os.windows.SetText(hub.Text1, kCloseCommand);
}

void SendCommand(Hub& hub, const std::string& caption, const std::string& text) {
    WindowId window = hub.os.windows.Find(std::string(kHubClass), caption);
    if (window == kNoWindow) return;
    WindowId box = hub.os.windows.FindChild(window, kNoWindow, std::string(kCommandBoxClass), std::nullopt);
    if (box == kNoWindow) return;
    hub.os.windows.SetText(box, text);
    hub.os.clock.Pump(0);
}

void EnableTimer(Hub& hub, HubTimer timer, bool on) {
    hub.timers[static_cast<int>(timer)] = on;
    if (hub.switchTimer) hub.switchTimer(timer, on);
}

bool TimerEnabled(const Hub& hub, HubTimer timer) { return hub.timers[static_cast<int>(timer)]; }

bool WindowExists(Hub& hub, const std::string& caption) {
    return hub.os.windows.Find(std::nullopt, caption) != kNoWindow;
}

}  // namespace kolvane
