#pragma once
// Message boxes and the input box through user32, and the printers through winspool.
#include <windows.h>

#include "platform/dialogs.h"

namespace kolvane {

class Win32Dialogs final : public Dialogs {
public:
    // owner may be NULL: the boxes then belong to no window.
    explicit Win32Dialogs(HWND owner) : owner_(owner) {}

    // Owned by the window in front that asks (see Owner), brought to the foreground.
    MsgAnswer ShowMessage(const MessageBoxRequest& request) override;
    // From the program's own template, owned like a message box.
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
    // The window in front that asks: Windows disables it while its box is open, so that a second click cannot
    // run the same handler again behind the box. The hub's thread's active window, else (another program in
    // front) its topmost visible enabled window, else the hidden hub window.
    HWND Owner() const;
    HWND owner_;
};

}  // namespace kolvane
