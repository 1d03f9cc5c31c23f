// The buttons that fill the folder fields of the window `Optionen` through the shell's folder browser.
#include "options/folder_buttons.h"

#include "options/options_tools.h"

namespace kolvane {
namespace {

using C = Ctl;

constexpr std::size_t kShortestDocumentFolder = 5;

// The popup of the two document folders: 1 to 3 start the browser at the drives, the network or the user's
// documents; "Dateiauswahl" chooses nothing.
std::string GetFolderSettings(Hub& hub, int mode) {
    constexpr FolderStart kStarts[] = {FolderStart::Drives, FolderStart::Network, FolderStart::Documents};
    if (mode < 1 || mode > 3) return "";
    return hub.os.dialogs.BrowseFolder(kStarts[mode - 1]);
}

void DocumentFolder(Hub& hub, OptionsForm& form, C field) {
    const int mode = hub.os.dialogs.ChooseMenuEntry({"Lokales Verzeichnis", "Netzwerkordner", "Eigene Dateien", "Dateiauswahl"});
    const std::string folder = GetFolderSettings(hub, mode);
    if (!folder.empty()) form[field].text = FolderWithBackslash(folder, kShortestDocumentFolder);
}

bool Browse(Hub& hub, OptionsForm& form, C field, FolderStart start) {
    const std::string folder = hub.os.dialogs.BrowseFolder(start);
    if (folder.empty()) return false;
    form[field].text = FolderWithBackslash(folder);
    return true;
}

void NetworkDatabase(Hub& hub, OptionsForm& form) {
    const std::string folder = FolderWithBackslash(hub.os.dialogs.BrowseFolder(FolderStart::Network));
    if (folder.empty()) return;
    if (!hub.os.files.Exists(folder + "Datex.dat"))
        OptionsAsk(hub,
                   "Die Datenbank konnte im Netzwerkordner nicht gefunden werden. \n"
                   "Überprüfen Sie eventuell die Netzwerkquelle oder Datenbank.",
                   MsgButtons::Ok, MsgIcon::Exclamation, " Datenbank auswählen");
    form[C::tDatFile].text = folder;
}

}  // namespace

void FormsFolderFocus(Hub& hub, OptionsForm& form) {
    if (form.formsChosen || form.Changed(C::tFormulare)) return;
    form[C::tFormulare].text = form.loaded[Index(C::tFormulare)].text = hub.settings.ReadText(Setting::Formulare);
}

void FolderButton(Hub& hub, OptionsForm& form, Ctl button) {
    switch (button) {
        case C::BImages: return DocumentFolder(hub, form, C::TImages);
        case C::BBelege: return DocumentFolder(hub, form, C::TBelege);
        case C::bAutoBackupFolder: Browse(hub, form, C::tAutoBackupFolder, FolderStart::Drives); return;
        case C::bAutoBackupFolderNetwork: Browse(hub, form, C::tAutoBackupFolder, FolderStart::Network); return;
        case C::bFormulare:
            if (Browse(hub, form, C::tFormulare, FolderStart::Drives)) form.formsChosen = true;
            return;
        case C::bFormSettings: StartComponent(hub, "OUTTRAY.EXE", " /s", ShowState::Normal); return;
        case C::bDatFileNetwork: return NetworkDatabase(hub, form);
        case C::bDatFile: return ChangeDatabaseFolder(hub, form);
        default: return;
    }
}

}  // namespace kolvane
