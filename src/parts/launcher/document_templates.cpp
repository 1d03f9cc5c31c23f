#include "launcher/document_templates.h"

#include <optional>
#include <string>

#include "launcher/component_table.h"
#include "options/options_window.h"
#include "hub/let_events_run.h"

namespace kolvane {
namespace {

constexpr char kTemplateList[] = "VORLAGEN.DAT";
constexpr char kPathSection[] = "PDFFILE";
constexpr char kLocalFolder[] = "Sendmail";

constexpr char kTemplateMissing[] = "Das Dokument konnte im Vorlageordner nicht gefunden werden !";
constexpr char kCopyFailed[] =
    "Die Vorlage konnte nicht in den Ordner Sendmail kopiert werden.\n"
    "Bitte schließen Sie die dort noch geöffnete Kopie und versuchen Sie es erneut.";
constexpr char kNoEditor[] =
    " \n"
    "In den Einstellungen ist kein Pdf-Editor eingetragen. \n"
    "Soweit ein solches Programm nicht verfügbar ist, \n"
    "installieren Sie bitte eine Internet-Anwendung.";

bool IsFile(Hub& hub, const std::string& path) {
    return !path.empty() && hub.os.files.Exists(path) && !hub.os.files.IsFolder(path);
}

// The stored path is relative to the component folder and begins with a backslash; an empty one names the
// folder itself, which is no template.
std::optional<std::string> TemplateFile(Hub& hub, int index) {
    std::string relative = hub.os.ini.Read(ProgramFile(hub, kTemplateList), kPathSection, std::to_string(index));
    if (relative.empty()) return std::nullopt;
    if (relative.front() != '\\') relative.insert(relative.begin(), '\\');
    std::string file = hub.programFolder + relative;
    if (!IsFile(hub, file)) return std::nullopt;
    return file;
}

// A fresh copy in Sendmail: an older copy of the same name is replaced first. None when the copy could not be
// made: opening the older copy would show the user something else than the template.
std::optional<std::string> LocalCopy(Hub& hub, const std::string& file) {
    const std::string folder = ProgramFile(hub, kLocalFolder);
    if (!hub.os.files.Exists(folder)) hub.os.files.CreateFolder(folder);
    const std::string copy = folder + "\\" + file.substr(file.rfind('\\') + 1);
    if (hub.os.files.Exists(copy)) hub.os.files.Delete(copy);
    LetEventsRun(hub);
    const bool copied = hub.os.files.Copy(file, copy);
    LetEventsRun(hub);
    if (!copied) return std::nullopt;
    return copy;
}

}  // namespace

void OpenDocumentTemplate(Hub& hub, int index, const MenuEntryRef& chosen) {
    if (index == kTemplateManagerIndex) {
        RunAction(hub, ActionKey::Bibliothek, chosen);
        return;
    }
    std::optional<std::string> file = TemplateFile(hub, index);
    if (!file) {
        Message(hub, kTemplateMissing, MsgButtons::Ok, MsgIcon::Exclamation);
        return;
    }
    std::int32_t viewLocal = 0;
    if (hub.settings.Get(Setting::ViewLokalfile, viewLocal) && viewLocal == 1) {
        file = LocalCopy(hub, *file);
        if (!file) {
            Message(hub, kCopyFailed, MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
    }
    const std::string editor = hub.settings.ReadText(Setting::PdfEditor);
    if (!IsFile(hub, editor)) {
        if (Message(hub, kNoEditor, MsgButtons::OkCancel, MsgIcon::Exclamation) == MsgAnswer::Ok)
            RunSettingsAction(hub);
        return;
    }
    // Both quoted: the editor and the templates commonly lie in folders whose names hold blanks.
    hub.os.shell.StartProcess("\"" + editor + "\" \"" + *file + "\"", ShowState::Normal);
    LetEventsRun(hub);
    LetEventsRun(hub);
}

}  // namespace kolvane
