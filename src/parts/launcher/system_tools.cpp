#include "launcher/launch.h"
#include "launcher/special_launches.h"

namespace kolvane {
namespace {

constexpr char kPrinterPanel[] = " shell32.dll,Control_RunDLL main.cpl @2";

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

}  // namespace

// The system's tools by their full paths: the component folder never supplies one of its own.
void OpenHelpTopics(Hub& hub, const ComponentRow&, const MenuEntryRef&) {
    ShowHelpTopic(hub, "1.1 Orvintal und Anhang.htm");
}

void OpenPrinterControlPanel(Hub& hub, const ComponentRow&, const MenuEntryRef&) {
    hub.os.shell.StartProcess(Quoted(hub.os.kernel.SystemFolder() + "\\Rundll32.exe") + kPrinterPanel,
                              ShowState::Normal);
}

}  // namespace kolvane
