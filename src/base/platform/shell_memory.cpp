#include "platform/shell_memory.h"

namespace kolvane {

namespace {

class MemoryProcess final : public StartedProcess {
public:
    MemoryProcess(MemoryShell& shell, MemoryShell::Started started) : shell_(shell), started_(std::move(started)) {}
    bool Ended() override { return !shell_.hasEnded || shell_.hasEnded(started_); }
    unsigned long ExitCode() override { return shell_.exitCode; }

private:
    MemoryShell& shell_;
    MemoryShell::Started started_;
};

}  // namespace

bool MemoryShell::StartProcess(const std::string& commandLine, ShowState show) {
    started.push_back({commandLine, show});
    if (onStart) onStart(started.back());
    return true;
}

std::unique_ptr<StartedProcess> MemoryShell::StartWatchedProcess(const std::string& commandLine, ShowState show) {
    if (watchedStartFails) return nullptr;
    started.push_back({commandLine, show, true});
    Started record = started.back();
    if (onStart) onStart(record);
    return std::make_unique<MemoryProcess>(*this, std::move(record));
}

bool MemoryShell::Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                          const std::string& folder, ShowState show) {
    executed.push_back({verb, file, parameters, folder, show});
    return true;
}

bool MemoryShell::MoveToRecycleBin(const std::string& path) {
    recycled.push_back(path);
    return true;
}

}  // namespace kolvane
