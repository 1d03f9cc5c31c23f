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

// The file is read once, and checked before anything is asked.
std::optional<std::string> CheckedFile(Hub& hub, const std::string& file) {
    auto bytes = hub.os.files.ReadAll(file);
    if (!bytes) {
        Refuse(hub, "Die Datei konnte nicht gelesen werden:\n" + file);
        return std::nullopt;
    }
    if (const auto refusal = SettingsFileRefusal(*bytes)) {
        Refuse(hub, *refusal);
        return std::nullopt;
    }
    return bytes;
}

// What was checked is what the editor gets: a private copy, held open so that nothing can change or swap it
// until the editor is done; a copy that is not the checked bytes once held is not used.
std::unique_ptr<HeldFile> HeldCopy(Hub& hub, const std::string& copy, const std::string& bytes) {
    std::unique_ptr<HeldFile> held;
    if (hub.os.files.WriteAll(copy, bytes)) held = hub.os.files.Hold(copy);
    if (held && held->bytes == bytes) return held;
    held.reset();
    hub.os.files.Delete(copy);
    Refuse(hub, "Die Datei konnte nicht für die Wiederherstellung kopiert werden.");
    return nullptr;
}

std::string EditorFailure(const WatchedEnd& end) {
    if (!end.started) return "Die Registrierung konnte nicht gestartet werden. Die Einstellungen wurden nicht geladen.";
    if (!end.exitCode)
        return "Die Registrierung hat das Laden der Einstellungen nicht rechtzeitig beendet.\n"
               "Prüfen Sie die Einstellungen, bevor Sie Orvintal neu starten.";
    return "Die Einstellungen konnten nicht geladen werden (Fehler " + std::to_string(*end.exitCode) +
           ").\nPrüfen Sie die Einstellungen, bevor Sie Orvintal neu starten.";
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
    const auto bytes = CheckedFile(hub, *file);
    if (!bytes ||
        OptionsAsk(hub,
                   "Möchten Sie wirklich die Einstellungen wiederherstellen ?\n"
                   "Änderungen an den Optionen werden nicht gespeichert.\n"
                   "Danach muss Orvintal neu gestartet werden.",
                   MsgButtons::YesNo, MsgIcon::Exclamation) != MsgAnswer::Yes)
        return;
    const std::string copy = hub.os.kernel.TempFolder() + kPrivateCopy;
    auto held = HeldCopy(hub, copy, *bytes);
    if (!held) return;
    const WatchedEnd end = StartAndAwaitExit(hub, ImportCommand(hub, copy), ShowState::Minimized, kImportSeconds);
    held.reset();
    if (end.exitCode || !end.started) hub.os.files.Delete(copy);  // an editor still at work keeps its file
    if (end.started) form.closing = OptionsOutcome::Cancelled;
    if (end.exitCode != 0ul) return Refuse(hub, EditorFailure(end));
    if (OptionsAsk(hub, "Möchten Sie jetzt Orvintal aktualisieren und neu starten ? ", MsgButtons::OkCancel,
                   MsgIcon::Exclamation) == MsgAnswer::Ok)
        StartComponent(hub, "CLOSEALL.EXE", " /restart", ShowState::Normal);
}

}  // namespace kolvane
