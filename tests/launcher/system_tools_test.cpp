#include "launcher_fixture.h"

namespace kolvane {
namespace {

class SystemToolsTest : public LauncherTest {};

// Windows' own tools by their full paths, so that the component folder never supplies one of its own.
TEST_F(SystemToolsTest, HelpAndPrinterPanelStartFromTheSystemFolders) {
    Choose(ActionKey::Hilfethemen);  // no help file: nothing
    PutProgram("Orvintal.chm");
    Choose(ActionKey::Hilfethemen);
    Choose(ActionKey::Druckerverwaltung);
    EXPECT_EQ(p.shell.started,
              (std::vector<MemoryShell::Started>{
                  {"\"C:\\Windows\\hh.exe\" C:\\Orvintal\\Orvintal.chm::/1.1 Orvintal und Anhang.htm", ShowState::Normal},
                  {"\"C:\\Windows\\SysWOW64\\Rundll32.exe\" shell32.dll,Control_RunDLL main.cpl @2", ShowState::Normal}}));
    EXPECT_TRUE(menu.disabled.empty());
}

}  // namespace
}  // namespace kolvane
