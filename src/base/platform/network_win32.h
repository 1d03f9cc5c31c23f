#pragma once
// The machine's connection state through wininet and the remote access service.
#include "platform/network.h"

namespace kolvane {

class Win32Network final : public Network {
public:
    bool InternetConnected() override;
    std::vector<DialUpConnection> DialUpConnections() override;
};

}  // namespace kolvane
