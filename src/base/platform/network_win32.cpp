#include "platform/network_win32.h"

#include <windows.h>
#include <ras.h>
#include <raserror.h>
#include <wininet.h>

namespace kolvane {

bool Win32Network::InternetConnected() {
    DWORD flags = 0;
    return ::InternetGetConnectedState(&flags, 0) != FALSE;
}

std::vector<DialUpConnection> Win32Network::DialUpConnections() {
    // Every entry carries the size of the structure this program was built with, as the service checks it.
    std::vector<RASCONNA> entries(kMaxDialUpConnections);
    for (RASCONNA& entry : entries) entry.dwSize = sizeof(RASCONNA);
    const std::size_t size = entries.size() * sizeof(RASCONNA);
    DWORD bytes = static_cast<DWORD>(size);
    DWORD count = 0;
    if (::RasEnumConnectionsA(entries.data(), &bytes, &count) != ERROR_SUCCESS) return {};
    std::vector<DialUpConnection> connections;
    for (DWORD i = 0; i < count && i < entries.size(); ++i)
        connections.push_back({reinterpret_cast<std::uintptr_t>(entries[i].hrasconn), entries[i].szEntryName});
    return connections;
}

}  // namespace kolvane
