#pragma once
// Whether the machine is online, and its dial-up connections. Implemented by network_win32.cpp and
// network_memory.h.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kolvane {

// An active dial-up connection: the system's handle of it and the name of its phone-book entry.
struct DialUpConnection {
    std::uintptr_t handle = 0;
    std::string name;
};

// The most connections one enumeration lists.
inline constexpr std::size_t kMaxDialUpConnections = 256;

class Network {
public:
    virtual ~Network() = default;
    // InternetGetConnectedState: online through a LAN, a modem or a proxy.
    virtual bool InternetConnected() = 0;
    // RasEnumConnectionsA: the active dial-up connections, at most kMaxDialUpConnections; none when the
    // enumeration fails.
    virtual std::vector<DialUpConnection> DialUpConnections() = 0;
};

}  // namespace kolvane
