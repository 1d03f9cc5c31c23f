#pragma once
// The hand-over to the update manager, which downloads and installs the suite's updates and restarts it; the
// hub decides when, with which switch, and keeps the dates of the last hand-overs.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "hub/hub.h"

namespace kolvane {

// The update manager is a program despite its library's extension; older installations have the EXE only.
inline constexpr char kUpdateManager[] = "UPDCTRL.DLL";
inline constexpr char kOlderUpdateManager[] = "UPDCTRL.EXE";

// The manager to start: the newer one where it is installed, else the older one; empty when neither is.
std::string InstalledUpdateManager(Hub& hub);

// The start's update check: installs the successor the manager left, completes the tax-year table, reminds
// of the update search and hands over once a day, or to apply waiting settings. True when it handed over and
// closed the hub for the manager.
bool WebUpdateCheck(Hub& hub);

// Nothing when the system reports no Internet connection. Online, the handle of the first active dial-up
// connection, or of the one with the name given, and 0 when there is none (a LAN).
std::optional<std::uintptr_t> ConnectionCheck(Hub& hub, std::string_view name = {});

}  // namespace kolvane
