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

bool Win32Network::DialUpConnected() {
    // Room for one connection is enough: "buffer too small" already says there are several.
    RASCONNA connection{};
    connection.dwSize = sizeof connection;
    DWORD bytes = sizeof connection;
    DWORD count = 0;
    DWORD result = ::RasEnumConnectionsA(&connection, &bytes, &count);
    return (result == ERROR_SUCCESS && count > 0) || result == ERROR_BUFFER_TOO_SMALL;
}

}  // namespace kolvane
