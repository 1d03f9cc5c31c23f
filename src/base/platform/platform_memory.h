#pragma once
// The whole in-memory platform for tests: one object owning every twin, files in a fresh temporary folder.
#include <filesystem>

#include "platform/clock_memory.h"
#include "platform/dialogs_memory.h"
#include "platform/file_lock_memory.h"
#include "platform/files_memory.h"
#include "platform/ini_files_memory.h"
#include "platform/kernel_memory.h"
#include "platform/md5_openssl.h"
#include "platform/network_memory.h"
#include "platform/platform.h"
#include "platform/registry_memory.h"
#include "platform/shell_memory.h"
#include "platform/tray_memory.h"
#include "platform/windows_memory.h"

namespace kolvane {

class MemoryPlatform {
public:
    MemoryPlatform();
    ~MemoryPlatform();
    MemoryPlatform(const MemoryPlatform&) = delete;
    MemoryPlatform& operator=(const MemoryPlatform&) = delete;

    std::filesystem::path root;  // removed with the platform
    MemoryRegistry registry;
    MemoryFiles files;
    MemoryIniFiles ini;
    MemoryWindows windows;
    MemoryTray tray;
    MemoryShell shell;
    MemoryKernel kernel;
    MemoryClock clock;
    MemoryDialogs dialogs;
    OpenSslMd5 md5;
    MemoryNetwork network;
    MemoryFileLocks locks;
    Platform os;
    FaultInjector faults;  // lets every change through until a test arms it
};

}  // namespace kolvane
