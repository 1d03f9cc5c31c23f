#pragma once
// Whether the machine is online. Implemented by network_win32.cpp and network_memory.cpp.
namespace kolvane {

class Network {
public:
    virtual ~Network() = default;
    virtual bool InternetConnected() = 0;  // InternetGetConnectedState
    virtual bool DialUpConnected() = 0;    // RasEnumConnectionsA finds an active connection
};

}  // namespace kolvane
