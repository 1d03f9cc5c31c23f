#include "platform/dialogs_memory.h"

namespace kolvane {

namespace {

MsgAnswer FirstButton(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel: return MsgAnswer::Yes;
        case MsgButtons::RetryCancel: return MsgAnswer::Retry;
        case MsgButtons::Ok:
        case MsgButtons::OkCancel: break;
    }
    return MsgAnswer::Ok;
}

}  // namespace

MsgAnswer MemoryDialogs::ShowMessage(const MessageBoxRequest& request) {
    shown.push_back(request);
    if (whileOpen) whileOpen();
    if (answers.empty()) return FirstButton(request.buttons);
    MsgAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> MemoryDialogs::AskText(const InputBoxRequest& request) {
    asked.push_back(request);
    if (typed.empty()) return request.defaultText;
    std::optional<std::string> answer = typed.front();
    typed.pop_front();
    return answer;
}

namespace {
template <typename T>
T Next(std::deque<T>& answers, T none) {
    if (answers.empty()) return none;
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}
}  // namespace

std::optional<std::string> MemoryDialogs::ChooseFile(const FileDialogRequest& request) {
    fileDialogs.push_back(request);
    return Next<std::optional<std::string>>(files, std::nullopt);
}

std::string MemoryDialogs::BrowseFolder(FolderStart start) {
    folderStarts.push_back(start);
    return Next<std::string>(folders, "");
}

int MemoryDialogs::ChooseMenuEntry(const std::vector<std::string>& entries) {
    menus.push_back(entries);
    return Next(menuChoices, 0);
}

}  // namespace kolvane
