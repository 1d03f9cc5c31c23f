#include "platform/shell_memory.h"

namespace kolvane {

bool MemoryShell::StartProcess(const std::string& commandLine, ShowState show) {
    started.push_back({commandLine, show});
    if (onStart) onStart(started.back());
    return true;
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
