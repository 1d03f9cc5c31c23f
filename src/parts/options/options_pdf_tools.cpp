// The PDF tools of page 4: one field edits the paths of the viewer, the editor and the toolkit in turn, and a
// printer list takes its place for the PDF printer. The paths wait in the form until the save.
#include <algorithm>

#include "options/options_tools.h"

namespace kolvane {
namespace {

using C = Ctl;

struct PdfToolState {
    const char* label;  // `Label7`
    const char* next;   // `LabelChgEditor`: the tool the switch goes to
    const char* request;
    const char* suggestion;
    const char* address;  // the maker's public download page
    const char* title;
    const char* filter;  // programs only, under every entry: the path becomes a program that the components start
    const char* fileName;
};

constexpr PdfToolState kStates[kPdfTools] = {
    {"&PDF-Viewer zur Dokumentenanzeige:", "Pdf-Editor ",
     "Bitte wählen Sie einen PDF-Viewer zur Anzeige der Dokumente aus. ",
     "Installieren Sie eventuell den Adobe® Acrobat Reader:", "https://get.adobe.com/de/reader/", "PDF-Viewer ...",
     "PDF-Dokumentenbetrachter (*.exe)|*.exe|Alle Dateitypen (*.*)|*.exe", ""},
    {"&PDF-Editor zum Bearbeiten der Dokumente:", "Pdf-Converter ",
     "Bitte wählen Sie einen PDF-Editor zum Bearbeiten der Dokumente aus. ",
     "Installieren Sie eventuell den Nitro® PDF-Editor:", "https://www.gonitro.com/de/pdf-editor", "PDF-Editor ...",
     "PDF-Dokumenten-Editor (*.exe)|*.exe|Alle Dateitypen (*.*)|*.exe", ""},
    {"&PDF-Treiber zur Konvertierung:", "Pdf-Drucker ",
     "Bitte wählen Sie einen PDF-Toolkit zum Zusammenfügen der Belege und Dokumente aus. ",
     "Installieren Sie eventuell den Pdftk free Toolkit:", "https://www.pdflabs.com/tools/pdftk-the-pdf-toolkit/",
     "PDF-DocTool/Toolkit ...", "PDF-DocTool/Toolkit (*.exe)|pdftk.exe|Alle Dateitypen (*.*)|*.exe", "pdftk.exe"},
    {"&PDF-Drucker für Listen/Formulare:", "Pdf-Viewer ",
     "Bitte wählen Sie einen PDF-Drucker zum Zusammenfügen der Dokumente aus. ",
     "Installieren Sie eventuell den Pdf24® PDF-Drucker:", "https://www.pdf24.org/de/", "", "", ""},
};

void Suggest(Hub& hub, const PdfToolState& state) {
    OptionsAsk(hub, std::string(state.request) + "\n" + state.suggestion + "\n" + state.address, MsgButtons::Ok,
               MsgIcon::Information);
}

// The installed printers, the stored one chosen; without any printer the user is told where to get one.
void FillPrinters(Hub& hub, OptionsForm& form) {
    ControlState& list = form[C::tPdfDrucker];
    list.items = hub.os.dialogs.PrinterNames();
    const auto stored = std::find(list.items.begin(), list.items.end(), form.pdfTools[mnxPdfDriver]);
    list.value = stored == list.items.end() ? -1 : static_cast<int>(stored - list.items.begin());
    form.printerPicked = false;
    if (list.items.empty()) Suggest(hub, kStates[mnxPdfDriver]);
}

}  // namespace

void OptionsNextPdfTool(Hub& hub, OptionsForm& form) {
    form.pdfTools[form.pdfShown] = form[C::TPdfViewer].text;
    const auto next = static_cast<PdfTool>((form.pdfShown + 1) % kPdfTools);
    const bool printer = next == mnxPdfDriver;
    form[C::LPdfViewer].text = kStates[next].label;
    form[C::LabelChgEditor].text = kStates[next].next;
    form[C::TPdfViewer].text = form.pdfTools[next];
    form[C::BPdfViewer].enabled = true;
    form[C::BPdfViewer].text = "...";
    form[C::TPdfViewer].shown = !printer;
    form[C::tPdfDrucker].shown = form[C::LPdfDrucker].shown = printer;
    form.pdfShown = next;
    if (printer) FillPrinters(hub, form);
}

void OptionsBrowsePdfTool(Hub& hub, OptionsForm& form) {
    if (form.pdfShown == mnxPdfDriver) return FillPrinters(hub, form);
    const PdfToolState& state = kStates[form.pdfShown];
    Suggest(hub, state);
    const auto file = hub.os.dialogs.ChooseFile({state.title, state.filter, state.fileName, ""});
    if (file && !file->empty()) form[C::TPdfViewer].text = *file;
}

// Asked only when the user chose a printer: a list left as it was filled (or empty) changes nothing.
void OptionsConfirmPrinter(Hub& hub, OptionsForm& form) {
    const ControlState& list = form[C::tPdfDrucker];
    if (!form.printerPicked || list.value < 0 || list.value >= static_cast<int>(list.items.size())) return;
    form.printerPicked = false;
    const std::string& printer = list.items[static_cast<std::size_t>(list.value)];
    if (OptionsAsk(hub, "Möchten Sie diesen Drucker als Pdf-Printer verwenden ?  ", MsgButtons::YesNo,
                   MsgIcon::Exclamation, " " + printer) != MsgAnswer::Yes)
        return;
    form[C::TPdfViewer].text = printer;
    OptionsNextPdfTool(hub, form);
}

void OptionsClearPdfTool(Hub& hub, OptionsForm& form) {
    if (OptionsAsk(hub, "Möchten Sie die Einstellungen für den PDF-Editor löschen ? ", MsgButtons::YesNo,
                   MsgIcon::Exclamation) == MsgAnswer::Yes)
        form[C::TPdfViewer].text.clear();
}

}  // namespace kolvane
