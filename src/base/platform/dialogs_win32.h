#pragma once
// Message boxes and the input box through user32, and the printers through winspool.
#include <windows.h>

#include "platform/dialogs.h"

namespace kolvane {

class Win32Dialogs final : public Dialogs {
public:
    // owner may be NULL: the boxes then belong to no window.
    explicit Win32Dialogs(HWND owner) : owner_(owner) {}

    // Brought to the foreground, since the hub has no visible window of its own.
    MsgAnswer ShowMessage(const MessageBoxRequest& request) override;
    // From the program's own template; owned by the active window (the dialog that asks), else the hub's.
    std::optional<std::string> AskText(const InputBoxRequest& request) override;
    // Local printers and printer connections of the user.
    std::vector<std::string> PrinterNames() override;
    // Through an information context of the default printer.
    std::vector<std::string> DefaultPrinterFonts() override;
    // The common dialogs, the shell's folder browser and a popup menu, each owned by the active window.
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    std::string BrowseFolder(FolderStart start) override;
    int ChooseMenuEntry(const std::vector<std::string>& entries) override;

private:
    HWND Owner() const { return ::GetActiveWindow() ? ::GetActiveWindow() : owner_; }
    HWND owner_;
};

}  // namespace kolvane
