#pragma once
// The operating system as the portable core sees it: one narrow interface per service.
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/file_lock.h"
#include "platform/files.h"
#include "platform/ini_files.h"
#include "platform/kernel.h"
#include "platform/md5.h"
#include "platform/network.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/tray.h"
#include "platform/windows.h"

namespace kolvane {

struct Platform {
    Registry& registry;
    IniFiles& ini;
    Windows& windows;
    Tray& tray;
    Shell& shell;
    Kernel& kernel;
    Files& files;
    Clock& clock;
    Dialogs& dialogs;
    Md5& md5;
    Network& network;
    FileLocks& locks;
};

}  // namespace kolvane
