#include "hub/watched_start.h"

#include "platform/wait.h"

namespace kolvane {

namespace {
constexpr double kLookInterval = 0.1;
}  // namespace

bool StartAndAwait(Hub& hub, const std::string& commandLine, ShowState show, double maxSeconds) {
    return StartAndAwaitExit(hub, commandLine, show, maxSeconds).exitCode.has_value();
}

WatchedEnd StartAndAwaitExit(Hub& hub, const std::string& commandLine, ShowState show, double maxSeconds) {
    std::unique_ptr<StartedProcess> process = hub.os.shell.StartWatchedProcess(commandLine, show);
    if (!process) return {};
    Stopwatch stopwatch(hub.os.clock);
    for (;;) {
        if (process->Ended()) return {true, process->ExitCode()};
        if (stopwatch.Seconds() >= maxSeconds) return {true, std::nullopt};
        hub.os.clock.Pump(kLookInterval);
    }
}

}  // namespace kolvane
