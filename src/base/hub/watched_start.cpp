#include "hub/watched_start.h"

namespace kolvane {

namespace {
constexpr double kLookInterval = 0.1;
constexpr double kSecondsPerDay = 86400;
}  // namespace

bool StartAndAwait(Hub& hub, const std::string& commandLine, ShowState show, double maxSeconds) {
    return StartAndAwaitExit(hub, commandLine, show, maxSeconds).exitCode.has_value();
}

WatchedEnd StartAndAwaitExit(Hub& hub, const std::string& commandLine, ShowState show, double maxSeconds) {
    std::unique_ptr<StartedProcess> process = hub.os.shell.StartWatchedProcess(commandLine, show);
    if (!process) return {};
    const double start = hub.os.clock.Timer();
    for (;;) {
        if (process->Ended()) return {true, process->ExitCode()};
        double waited = hub.os.clock.Timer() - start;
        if (waited < 0) waited += kSecondsPerDay;  // past midnight
        if (waited >= maxSeconds) return {true, std::nullopt};
        hub.os.clock.Pump(kLookInterval);
    }
}

}  // namespace kolvane
