#pragma once
#include "platform/network.h"

namespace kolvane {

class MemoryNetwork : public Network {
public:
    bool internet = false;
    bool dialUp = false;
    bool InternetConnected() override { return internet; }
    bool DialUpConnected() override { return dialUp; }
};

}  // namespace kolvane
