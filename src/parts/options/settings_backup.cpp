#include "options/settings_backup.h"

#include "hub/watched_start.h"
#include "platform/text.h"
#include "options/options_tools.h"
#include "options/settings_file_check.h"

namespace kolvane {
namespace {

constexpr char kRegFilter[] = "Registrierungsdatei (*.reg)|*.reg|Alle Dateitypen (*.*)|*.*";
constexpr double kImportSeconds = 30;
constexpr char kPrivateCopy[] = "KOLVANE.REG";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The peers read the settings in the 32-bit view of the registry. The registry editor of a 64-bit system works
// in the other view, so there the system's console tool does the same work in the peers' view, whichever build
// of the hub starts it; its files are the editor's.
bool SixtyFourBitSystem(Hub& hub) { return ToLower(hub.os.kernel.SystemFolder()).ends_with("\\syswow64"); }

std::string ExportCommand(Hub& hub, const std::string& file) {
    if (SixtyFourBitSystem(hub)) return "reg.exe export " + Quoted(SettingsKeyName()) + " " + Quoted(file) + " /y /reg:32";
    return "Regedit.exe /e " + Quoted(file) + " " + Quoted(SettingsKeyName());
}

std::string ImportCommand(Hub& hub, const std::string& file) {
    if (SixtyFourBitSystem(hub)) return "reg.exe import " + Quoted(file) + " /reg:32";
    return "Regedit.exe /s " + Quoted(file);
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
    hub.os.shell.StartProcess(ExportCommand(hub, *file), ShowState::Minimized);
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
    const auto exitCode = StartAndAwaitExit(hub, ImportCommand(hub, *copy), ShowState::Minimized, kImportSeconds);
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
