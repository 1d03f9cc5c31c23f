// The buttons of the window `Optionen` whose work lies with the extra menu (`BOptions`), the folder and
// database location choice, the PDF tools and the font settings: all of them reach the window through here.
#include "options/options_tools.h"

#include "options/folder_buttons.h"

namespace kolvane {

MsgAnswer OptionsAsk(Hub& hub, const std::string& text, MsgButtons buttons, MsgIcon icon, const std::string& title) {
    return hub.os.dialogs.ShowMessage({text, title, buttons, icon});
}

std::string FolderWithBackslash(std::string folder, std::size_t shortest) {
    if (folder.size() >= shortest && !folder.empty() && !folder.ends_with('\\')) folder += '\\';
    return folder;
}

std::string FolderOfFile(const std::string& file) {
    const std::size_t slash = file.find_last_of('\\');
    return slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
}

void OptionsToolButton(Hub& hub, OptionsForm& form, Ctl button) {
    switch (button) {
        case Ctl::bFontInfo: return OptionsNextFont(hub, form);
        case Ctl::BPdfViewerDownload: return OptionsNextPdfTool(hub, form);
        case Ctl::BPdfViewer: return OptionsBrowsePdfTool(hub, form);
        default: return FolderButton(hub, form, button);
    }
}

}  // namespace kolvane
