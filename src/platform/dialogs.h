#pragma once
// Message boxes, the hub's modal windows and the system's printers.
// Implemented by dialogs_win32.cpp and dialogs_memory.cpp (scripted answers, every box recorded).
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

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer ShowMessage(const MessageBoxRequest& request) = 0;
    virtual std::vector<std::string> PrinterNames() = 0;
};

}  // namespace kolvane
