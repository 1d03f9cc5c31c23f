#pragma once
// Message boxes for tests: answers are scripted in advance, every box shown is recorded.
#include <deque>
#include <functional>
#include <vector>

#include "platform/dialogs.h"

namespace kolvane {

class MemoryDialogs : public Dialogs {
public:
    std::deque<MsgAnswer> answers;  // taken in order; when empty, the box's first button is the answer
    std::vector<MessageBoxRequest> shown;
    // Runs while a message box is open, as the events a real box lets through (a second click on the window).
    std::function<void()> whileOpen;
    std::vector<std::string> printers{"Kyocera FS-1020"};
    // Input boxes: answers taken in order (nothing: cancelled); when empty, the default text is confirmed.
    std::deque<std::optional<std::string>> typed;
    std::vector<InputBoxRequest> asked;

    // File dialogs and the folder browser: answers taken in order; when empty, cancelled.
    std::deque<std::optional<std::string>> files;
    std::vector<FileDialogRequest> fileDialogs;
    std::deque<std::string> folders;
    std::vector<FolderStart> folderStarts;
    // Popup menus: the entry chosen, in order; when empty, none.
    std::deque<int> menuChoices;
    std::vector<std::vector<std::string>> menus;

    MsgAnswer ShowMessage(const MessageBoxRequest& request) override;
    std::optional<std::string> AskText(const InputBoxRequest& request) override;
    std::vector<std::string> PrinterNames() override { return printers; }
    std::vector<std::string> printerFonts{"Arial", "Courier New", "Code-39-25"};
    std::vector<std::string> DefaultPrinterFonts() override { return printers.empty() ? std::vector<std::string>{} : printerFonts; }
    std::optional<std::string> ChooseFile(const FileDialogRequest& request) override;
    std::string BrowseFolder(FolderStart start) override;
    int ChooseMenuEntry(const std::vector<std::string>& entries) override;
};

}  // namespace kolvane
