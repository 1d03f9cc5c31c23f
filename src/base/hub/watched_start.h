#pragma once
// Starting a helper program whose end matters (a registration, an unpacker) and waiting for it within a
// bound, so that nothing it still works on is touched and the start never hangs on it.
#include <optional>
#include <string>

#include "hub/hub.h"

namespace kolvane {

// Starts the command line and waits, pumping messages, until the program has ended or maxSeconds have
// passed. True only when it was started and ended in time.
bool StartAndAwait(Hub& hub, const std::string& commandLine, ShowState show, double maxSeconds);
// How a watched program ended: not started at all, or its exit code, or nothing while it still runs.
struct WatchedEnd {
    bool started = false;
    std::optional<unsigned long> exitCode;
};
// As StartAndAwait, telling how the program ended.
WatchedEnd StartAndAwaitExit(Hub& hub, const std::string& commandLine, ShowState show, double maxSeconds);

}  // namespace kolvane
