#pragma once
// Message boxes for tests: answers are scripted in advance, every box shown is recorded.
#include <deque>
#include <vector>

#include "platform/dialogs.h"

namespace kolvane {

class MemoryDialogs : public Dialogs {
public:
    std::deque<MsgAnswer> answers;  // taken in order; when empty, the box's first button is the answer
    std::vector<MessageBoxRequest> shown;
    std::vector<std::string> printers{"Kyocera FS-1020"};

    MsgAnswer ShowMessage(const MessageBoxRequest& request) override;
    std::vector<std::string> PrinterNames() override { return printers; }
};

}  // namespace kolvane
