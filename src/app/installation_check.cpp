#include "app/installation_check.h"

#include <array>
#include <string_view>

#include "hub/shutdown.h"
#include "hub/watched_start.h"
#include "platform/dates.h"
#include "settings/registry_keys.h"

namespace kolvane {

namespace {

struct SystemComponent {
    std::string_view name;
    bool menuLibrary;  // registered by its own rule, after the four
};

constexpr std::array<SystemComponent, 4> kSystemComponents{{
    {"Ssubtmr.dll", false},
    {"Ssubtmr6.dll", false},
    {"CNewMenu.dll", true},
    {"MsStdFmt.dll", false},
}};

struct PackFile {
    std::string_view trigger;
    std::string_view switches;
    std::string_view passed;
};

constexpr std::array<PackFile, 3> kPackFiles{{
    {"DATA.PAK", " /us ", "Data.pak"},
    {"FORMULAR.PAK", " /uf ", "Formular.pak"},
    {"LIBRARY.PAK", " /um ", "Library.pak"},
}};

// Files of a complete installation, relative to the program folder.
constexpr std::array<std::string_view, 5> kSampleFiles{
    "Data\\Ort.dat", "Data\\Plz.dat", "Formulare\\DISPATCH.DAT", "Resource\\Db01000.dat", "Vorlagen\\user.dat",
};

constexpr char kPackTool[] = "PACKLIB.DLL";
constexpr char kTemplateProgram[] = "TEMPLATE.EXE";
constexpr char kStagedTemplate[] = "TEMPLATE.TMP";
// A registration takes a moment; one that hangs must not hold up the start.
constexpr double kRegisterSeconds = 30;
// A large pack takes a while to unpack; the pack file stays until the unpacker has let go of it.
constexpr double kUnpackSeconds = 300;

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string WindowsFile(Hub& hub, const std::string& subfolder, std::string_view name) {
    return hub.os.kernel.WindowsFolder() + "\\" + subfolder + "\\" + std::string(name);
}

bool InSystemFolders(Hub& hub, std::string_view name) {
    return hub.os.files.Exists(WindowsFile(hub, "System", name)) ||
           hub.os.files.Exists(WindowsFile(hub, "System32", name));
}

// The system's own tool, by its full path: a program folder never supplies a Regsvr32 of its own.
std::string RegisterCommand(Hub& hub, std::string_view library) {
    return Quoted(hub.os.kernel.SystemFolder() + "\\Regsvr32.exe") + " /s " +
           Quoted(ProgramFile(hub, std::string(library)));
}

bool MenuLibraryRegistered(Hub& hub) {
    return hub.os.registry.QueryValue(kMenuComponentClsidKey.root, kMenuComponentClsidKey.path, "").has_value();
}

void CheckComponent(Hub& hub, const SystemComponent& component) {
    const std::string name(component.name);
    if (!ProgramFileExists(hub, name)) {
        if (hub.os.files.Exists(hub.os.kernel.SystemFolder() + "\\" + name) || InSystemFolders(hub, name)) return;
        Message(hub, "Die Systemkomponente ''" + name + "'' konnte nicht gefunden werden.   ", MsgButtons::Ok,
                MsgIcon::Critical);
        EndStart(hub, "Systemkomponente " + name + " fehlt");
    }
    if (!component.menuLibrary && !InSystemFolders(hub, name))
        hub.os.shell.StartProcess(RegisterCommand(hub, name), ShowState::Hidden);
}

// The menu library is told "registered" only when its class can be read after the registrations ended.
void RegisterMenuLibrary(Hub& hub) {
    if (MenuLibraryRegistered(hub)) return;
    if (ProgramFileExists(hub, "CNEWMENU.DLL") && !hub.os.files.Exists(WindowsFile(hub, "System32", "CNEWMENU.DLL")))
        StartAndAwait(hub, RegisterCommand(hub, "CNEWMENU.DLL"), ShowState::Hidden, kRegisterSeconds);
    if (ProgramFileExists(hub, "CNewMenu.dll") && !hub.os.files.Exists(WindowsFile(hub, "System32", "CNEWMENU6.DLL")))
        StartAndAwait(hub, RegisterCommand(hub, "CNEWMENU6.DLL"), ShowState::Hidden, kRegisterSeconds);
    if (MenuLibraryRegistered(hub))
        Message(hub, "Die Systemkomponente ''CNewMenu.dll'' wurde registriert. ", MsgButtons::Ok, MsgIcon::Critical);
    else
        Message(hub,
                "Die Systemkomponente ''CNewMenu.dll'' konnte nicht registriert werden.\n"
                "Das Menü von Orvintal wird eventuell nicht angezeigt. Bitte installieren Sie Orvintal erneut "
                "oder wenden Sie sich an Ihren Systembetreuer.",
                MsgButtons::Ok, MsgIcon::Critical);
}

// The pack file goes only once the unpacker has ended: while it runs it may still be reading it. One that
// does not end in time leaves the pack for the next start.
void UnpackPackFiles(Hub& hub) {
    if (!ProgramFileExists(hub, kPackTool)) return;
    for (const PackFile& pack : kPackFiles) {
        if (!ProgramFileExists(hub, std::string(pack.trigger))) continue;
        const std::string packPath = ProgramFile(hub, std::string(pack.passed));
        const std::string command = Quoted(ProgramFile(hub, kPackTool)) + std::string(pack.switches) + Quoted(packPath);
        if (StartAndAwait(hub, command, ShowState::Normal, kUnpackSeconds) && hub.os.files.Exists(packPath))
            hub.os.files.Delete(packPath);
    }
}

// The new template component is staged under another name and started, so that it can replace itself.
// The file time is recorded only once the staged copy is complete, and the program is removed only then:
// a failed copy leaves everything as it was, to be tried again at the next start.
void StageTemplateComponent(Hub& hub) {
    const std::string staged = ProgramFile(hub, kStagedTemplate);
    const std::string program = ProgramFile(hub, kTemplateProgram);
    if (hub.os.files.Exists(staged)) hub.os.files.Delete(staged);
    if (!hub.os.files.Exists(program)) return;
    const std::optional<FileTime> time = hub.os.files.ModifiedTime(program);
    const std::string timeText = time ? GeneralDate(*time) : "";
    const std::string catalogue = ProgramFile(hub, "VORLAGEN.DAT");
    if (timeText == hub.os.ini.Read(catalogue, "UPDATE", "EXE")) return;
    if (!hub.os.files.Copy(program, staged)) {
        hub.os.files.Delete(staged);
        return;
    }
    Wait(hub, 1);
    hub.os.ini.Write(catalogue, "UPDATE", "EXE", timeText);
    hub.os.files.Delete(program);
    hub.os.shell.StartProcess(Quoted(staged), ShowState::Normal);
    Wait(hub, 1);
}

void CheckFolderContents(Hub& hub) {
    int missing = 0;
    for (std::string_view sample : kSampleFiles)
        if (!ProgramFileExists(hub, std::string(sample))) ++missing;
    if (missing == 0) return;
    Message(hub,
            "Einige wichtige Systemordner von Orvintal sind nicht im Installationsordner vorhanden, sodass "
            "Funktionen eventuell nicht verfügbar sind. Möglicherweise wurde ein Update nicht vollständig "
            "durchgeführt oder die Ordner wurden gelöscht.\n \n"
            "Einige Inhalte in den Ordnern: 'Data', 'Formulare', 'Resource' und 'Vorlagen' im Installationsordner "
            "sind fehlerhaft.\n \n"
            "Bitte beheben Sie die " +
                std::to_string(missing) +
                " Fehler mit einem Online-Update oder mit Wiederherstellung einer Datensicherung.",
            MsgButtons::OkCancel, MsgIcon::Exclamation);
}

}  // namespace

void CheckSystemComponents(Hub& hub) {
    for (const SystemComponent& component : kSystemComponents) CheckComponent(hub, component);
    RegisterMenuLibrary(hub);
}

void CheckInstallation(Hub& hub) {
    UnpackPackFiles(hub);
    StageTemplateComponent(hub);
    CheckFolderContents(hub);
}

}  // namespace kolvane
