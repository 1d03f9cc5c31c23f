#pragma once
// The process and the system it runs on. Implemented by kernel_win32.cpp and kernel_memory.cpp.
#include <memory>
#include <string>

namespace kolvane {

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// A named mutex held by this process; the destructor releases and closes it.
class HeldMutex {
public:
    virtual ~HeldMutex() = default;
};

struct MutexResult {
    std::unique_ptr<HeldMutex> mutex;  // empty when the mutex could not be created
    bool alreadyExisted = false;       // the system answered ERROR_ALREADY_EXISTS (183)
};

class Kernel {
public:
    virtual ~Kernel() = default;
    // Folder of the running program, without trailing backslash.
    virtual std::string ProgramFolder() = 0;
    // The command line after the program name, as the program received it.
    virtual std::string CommandLine() = 0;
    // Major, minor and revision number of the program's VERSIONINFO.
    virtual ProgramVersion Version() = 0;
    // Another process of this same program file is running already.
    virtual bool PreviousInstance() = 0;
    virtual MutexResult CreateOwnedMutex(const std::string& name) = 0;
    virtual std::string WindowsFolder() = 0;
    // The system folder a 32-bit program sees (SysWOW64 on a 64-bit system).
    virtual std::string SystemFolder() = 0;
    virtual std::string TempFolder() = 0;  // with trailing backslash
    virtual std::string ComputerName() = 0;
    virtual std::string ExpandEnvironment(const std::string& text) = 0;
    // Immediate process exit with code 0: nothing is unloaded, no close sequence runs.
    [[noreturn]] virtual void Terminate() = 0;
};

}  // namespace kolvane
