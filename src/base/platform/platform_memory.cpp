#include "platform/platform_memory.h"

#include <atomic>
#include <unistd.h>

namespace kolvane {

namespace {

std::filesystem::path FreshRoot() {
    static std::atomic<int> counter{0};
    auto path = std::filesystem::temp_directory_path() /
                ("kolvane-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    return path;
}

}  // namespace

MemoryPlatform::MemoryPlatform()
    : root(FreshRoot()),
      files(root),
      ini([this](const std::string& path) { return files.HostPath(path); }),
      os{registry, ini, windows, tray, shell, kernel, files, clock, dialogs, md5, network, locks} {
    registry.faults = &faults;
    files.faults = &faults;
    ini.faults = &faults;
}

MemoryPlatform::~MemoryPlatform() {
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
}

}  // namespace kolvane
