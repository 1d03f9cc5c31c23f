#pragma once
#include "platform/network.h"

namespace kolvane {

// The connection state a test sets.
class MemoryNetwork : public Network {
public:
    bool internet = false;
    std::vector<DialUpConnection> dialUps;
    bool InternetConnected() override { return internet; }
    std::vector<DialUpConnection> DialUpConnections() override { return dialUps; }
};

}  // namespace kolvane
