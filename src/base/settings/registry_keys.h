#pragma once
// The keys the hub reads and writes, each with its root: the settings key shared with the components,
// and the keys of Windows and of outside programs.
#include "platform/registry.h"

namespace kolvane {

struct RegKeyPath {
    RegRoot root;
    const char* path;
};

inline constexpr RegKeyPath kBrekkanKey{RegRoot::LocalMachine, "Software\\Brekkan"};
inline constexpr RegKeyPath kSettingsKey{RegRoot::LocalMachine, "Software\\Brekkan\\Orvintal"};

// Autostart at log-on: value kAutostartValue, the quoted path of the program.
inline constexpr RegKeyPath kRunKey{RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run"};
inline constexpr char kAutostartValue[] = "Orvintal";

// Application paths: default value the program's full path, value kAppPathValue its folder with backslash.
inline constexpr RegKeyPath kAppPathOrvintalKey{
    RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Orvintal.exe"};
inline constexpr RegKeyPath kAppPathPdfProbeKey{
    RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\PdfProbe.exe"};
inline constexpr char kAppPathValue[] = "Path";

// Run-as-administrator: one value per program, named by its full path, holding kRunAsAdminLayer.
inline constexpr RegKeyPath kAppCompatLayersKey{
    RegRoot::LocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers"};
inline constexpr char kRunAsAdminLayer[] = "~ RUNASADMIN";

// Compiled help may be opened from any zone: kMaxAllowedZoneValue = 4 in both keys.
inline constexpr RegKeyPath kHtmlHelpRestrictionKeys[] = {
    {RegRoot::LocalMachine, "Software\\Microsoft\\HTMLHelp\\1.x\\HHRestrictions"},
    {RegRoot::LocalMachine, "Software\\Microsoft\\HTMLHelp\\1.x\\ItssRestrictions"},
};
inline constexpr char kMaxAllowedZoneValue[] = "MaxAllowedZone";

// Registration of the popup-menu component CNewMenu.dll.
inline constexpr RegKeyPath kMenuComponentClsidKey{
    RegRoot::LocalMachine, "Software\\Classes\\CLSID\\{C2FC361D-2281-11D2-8E21-10B404C10000}"};

// The owner name, read in this order, a later value that exists replacing an earlier one; the settings
// key's own value (Setting::RegisteredOwner) comes last.
inline constexpr RegKeyPath kWindowsOwnerKeys[] = {
    {RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion"},
    {RegRoot::LocalMachine, "Software\\Microsoft\\Windows Nt\\CurrentVersion"},
};
inline constexpr char kRegisteredOwnerValue[] = "RegisteredOwner";

// A per-user text naming the user's printer subfolder.
inline constexpr RegKeyPath kHomeGroupStatusKey{
    RegRoot::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\HomeGroup\\UIStatusCache"};
inline constexpr char kModifierSystemValue[] = "ModifierSystem";

// The PDF printer driver's automatic save folder.
inline constexpr RegKeyPath kPdfPrinterKey{RegRoot::CurrentUser, "Software\\PDFPrint\\Services\\PDF"};
inline constexpr char kAutoSaveDirValue[] = "AutoSaveDir";

// Class keys of the installed calendar store app, one per shortcut variant of the app.
inline constexpr RegKeyPath kCalendarAppDayplanKey{RegRoot::CurrentUser,
                                                  "Software\\Classes\\AppX2a031bcqzshqz1kzc03gsje8tkmj2jj4"};
inline constexpr RegKeyPath kCalendarAppDatebookKey{RegRoot::CurrentUser,
                                                   "Software\\Classes\\AppX9jfn4ccrfrz4wt5s2s4nd5rxzd332zjj"};

// Bank-transfer data handed to the forms component.
inline constexpr RegKeyPath kTransferFormKey{RegRoot::CurrentUser, "Software\\Brekkan\\Quarnbeck\\Formular"};
inline constexpr char kKontodatenValue[] = "Kontodaten";  // REG_DWORD
inline constexpr char kInhaberValue[] = "Inhaber";        // REG_SZ

}  // namespace kolvane
