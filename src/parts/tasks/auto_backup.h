#pragma once
// Timer3: a close request through the registry, and the automatic database backup once per run of the hub,
// in the backup window of the day, at most every 8 days.
#include "hub/hub.h"

namespace kolvane {

inline constexpr int kBackupIntervalDays = 8;

// `AutoTaxTime` chooses the window: 0 hours 10 to 11, 1 hours 13 to 14, 2 hours 18 to 19, both bounds
// inclusive; any other value opens none.
bool InBackupWindow(std::int32_t autoTaxTime, int hour);
// One tick: `NowClose` = 1 closes the hub; otherwise the backup question, while it is still open.
void CloseRequestAndBackupTick(Hub& hub);

}  // namespace kolvane
