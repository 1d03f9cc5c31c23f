#include "settings/settings_backup.h"

#include "hub/watched_start.h"
#include "settings/options_tools.h"
#include "settings/settings_file_check.h"

namespace kolvane {
namespace {

constexpr char kRegFilter[] = "Registrierungsdatei (*.reg)|*.reg|Alle Dateitypen (*.*)|*.*";
constexpr double kImportSeconds = 30;
constexpr char kPrivateCopy[] = "KOLVANE.REG";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The peers read the settings in the 32-bit view of the registry. On a 64-bit system the 32-bit editor works
// in that view, whichever build of the hub starts it.
std::string RegistryEditor(Hub& hub) {
    const std::string editor32 = hub.os.kernel.WindowsFolder() + "\\SysWOW64\\regedit.exe";
    return hub.os.files.Exists(editor32) ? Quoted(editor32) : "Regedit.exe";
}

void Refuse(Hub& hub, const std::string& text) { OptionsAsk(hub, text, MsgButtons::Ok, MsgIcon::Exclamation); }

// The file is read once; what was checked is what the editor gets, however the original changes meanwhile.
std::optional<std::string> CheckedCopy(Hub& hub, const std::string& file) {
    const auto bytes = hub.os.files.ReadAll(file);
    if (!bytes) {
        Refuse(hub, "Die Datei konnte nicht gelesen werden:\n" + file);
        return std::nullopt;
    }
    if (const auto refusal = SettingsFileRefusal(*bytes)) {
        Refuse(hub, *refusal);
        return std::nullopt;
    }
    const std::string copy = hub.os.kernel.TempFolder() + kPrivateCopy;
    if (!hub.os.files.WriteAll(copy, *bytes)) {
        Refuse(hub, "Die Datei konnte nicht für die Wiederherstellung kopiert werden.");
        return std::nullopt;
    }
    return copy;
}

}  // namespace

void ExportSettings(Hub& hub) {
    const auto file = hub.os.dialogs.ChooseFile({"Speichern unter ...", kRegFilter, "", "", true});
    if (!file || file->empty()) return;
    hub.os.shell.StartProcess(RegistryEditor(hub) + " /e " + Quoted(*file) + " " + Quoted(SettingsKeyName()),
                              ShowState::Minimized);
}

void ImportSettings(Hub& hub, OptionsForm& form) {
    const auto file = hub.os.dialogs.ChooseFile({"Öffnen ...", kRegFilter, "", ""});
    if (!file || file->empty() || !hub.os.files.Exists(*file)) return;
    const auto copy = CheckedCopy(hub, *file);
    if (!copy) return;
    if (OptionsAsk(hub,
                   "Möchten Sie wirklich die Einstellungen wiederherstellen ?\n"
                   "Änderungen an den Optionen werden nicht gespeichert.\n"
                   "Danach muss Orvintal neu gestartet werden.",
                   MsgButtons::YesNo, MsgIcon::Exclamation) != MsgAnswer::Yes) {
        hub.os.files.Delete(*copy);
        return;
    }
    const auto exitCode = StartAndAwaitExit(hub, RegistryEditor(hub) + " /s " + Quoted(*copy), ShowState::Minimized,
                                            kImportSeconds);
    form.closing = OptionsOutcome::Cancelled;
    if (exitCode) hub.os.files.Delete(*copy);  // an editor still at work keeps its file
    if (exitCode != 0ul) {
        Refuse(hub, exitCode ? "Die Einstellungen konnten nicht geladen werden (Fehler " + std::to_string(*exitCode) +
                                   ").\nPrüfen Sie die Einstellungen, bevor Sie Orvintal neu starten."
                             : "Die Registrierung hat das Laden der Einstellungen nicht rechtzeitig beendet.\n"
                               "Prüfen Sie die Einstellungen, bevor Sie Orvintal neu starten.");
        return;
    }
    if (OptionsAsk(hub, "Möchten Sie jetzt Orvintal aktualisieren und neu starten ? ", MsgButtons::OkCancel,
                   MsgIcon::Exclamation) == MsgAnswer::Ok)
        StartComponent(hub, "CLOSEALL.EXE", " /restart", ShowState::Normal);
}

}  // namespace kolvane
