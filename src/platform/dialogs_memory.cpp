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

}  // namespace kolvane
