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
// As StartAndAwait; the program's exit code when it ended in time, nothing otherwise.
std::optional<unsigned long> StartAndAwaitExit(Hub& hub, const std::string& commandLine, ShowState show,
                                               double maxSeconds);

}  // namespace kolvane
