#pragma once
// Process starts for tests: every start is recorded; a test may react to one (a component that writes a file)
// and decide when a watched process ends.
#include <functional>
#include <vector>

#include "platform/shell.h"

namespace kolvane {

class MemoryShell : public Shell {
public:
    struct Started {
        std::string commandLine;
        ShowState show;
        bool watched = false;  // started by StartWatchedProcess
        friend bool operator==(const Started&, const Started&) = default;
    };
    struct Executed {
        std::string verb, file, parameters, folder;
        ShowState show;
        friend bool operator==(const Executed&, const Executed&) = default;
    };

    std::vector<Started> started;
    std::vector<Executed> executed;
    std::vector<std::string> recycled;
    std::function<void(const Started&)> onStart;
    // Asked on every look at a watched process whether it has ended; unset, every process ends at once.
    std::function<bool(const Started&)> hasEnded;
    unsigned long exitCode = 0;  // of every watched process
    bool watchedStartFails = false;  // as for a program that is missing or may not run

    bool StartProcess(const std::string& commandLine, ShowState show) override;
    std::unique_ptr<StartedProcess> StartWatchedProcess(const std::string& commandLine, ShowState show) override;
    bool Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                 const std::string& folder, ShowState show) override;
    bool MoveToRecycleBin(const std::string& path) override;
};

}  // namespace kolvane
