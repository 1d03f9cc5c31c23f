#pragma once
// Message boxes, input boxes, the hub's modal windows and the system's printers.
// Implemented by dialogs_win32.cpp and dialogs_memory.cpp (scripted answers, every box recorded).
#include <optional>
#include <string>
#include <vector>

namespace kolvane {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry };

struct MessageBoxRequest {
    std::string text;  // line breaks are single line feeds
    std::string title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    friend bool operator==(const MessageBoxRequest&, const MessageBoxRequest&) = default;
};

// An input box: a prompt, a field holding the default text, Ok and Cancel.
struct InputBoxRequest {
    std::string prompt;
    std::string title;
    std::string defaultText;
    bool hidden = false;  // a password: what is typed shows as asterisks
    friend bool operator==(const InputBoxRequest&, const InputBoxRequest&) = default;
};

// The common dialog for one file: the title, the filter as "Name|Pattern|Name|Pattern", the preset file name and
// the folder it starts in.
struct FileDialogRequest {
    std::string title;
    std::string filter;
    std::string fileName;
    std::string folder;
    bool save = false;  // the save dialog, which asks before it overwrites
    friend bool operator==(const FileDialogRequest&, const FileDialogRequest&) = default;
};

// Where the folder browser starts: the computer's drives, the network neighbourhood, the user's documents.
enum class FolderStart { Drives, Network, Documents };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer ShowMessage(const MessageBoxRequest& request) = 0;
    // The text the user confirmed, or nothing when the box was cancelled or could not be shown.
    virtual std::optional<std::string> AskText(const InputBoxRequest& request) = 0;
    virtual std::vector<std::string> PrinterNames() = 0;
    // The font names of the default printer, in the printer's order; empty without a printer.
    virtual std::vector<std::string> DefaultPrinterFonts() = 0;
    // The full name of the chosen file, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> ChooseFile(const FileDialogRequest& request) = 0;
    // The full path of the chosen file-system folder (a drive as "C:\\"), or empty when cancelled.
    virtual std::string BrowseFolder(FolderStart start) = 0;
    // A popup menu at the mouse; an empty entry is a separator. The chosen entry counted from 1, or 0.
    virtual int ChooseMenuEntry(const std::vector<std::string>& entries) = 0;
};

}  // namespace kolvane
