#pragma once
// Starting programs and documents. Implemented by shell_win32.cpp and shell_memory.cpp.
#include <memory>
#include <string>

#include "platform/windows.h"

namespace kolvane {

// A program started so that its end can be awaited; the process handle is closed with the object.
class StartedProcess {
public:
    virtual ~StartedProcess() = default;
    virtual bool Ended() = 0;
    // The program's exit code once it has ended.
    virtual unsigned long ExitCode() = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    // CreateProcessA with exactly this command line and the window style in STARTUPINFO, so that a
    // program named *.DLL starts as well; nothing is waited for and no handle is kept.
    virtual bool StartProcess(const std::string& commandLine, ShowState show) = 0;
    // As StartProcess, but the process is kept so that the caller can wait for its end (pumping messages
    // meanwhile); null when it could not be started.
    virtual std::unique_ptr<StartedProcess> StartWatchedProcess(const std::string& commandLine, ShowState show) = 0;
    // ShellExecuteA with the verb "open" or "runas".
    virtual bool Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                         const std::string& folder, ShowState show) = 0;
    // SHFileOperationA delete with undo: the file goes to the recycle bin where the volume has one; where it
    // has none, the system asks the user before deleting it for good.
    virtual bool MoveToRecycleBin(const std::string& path) = 0;
};

}  // namespace kolvane
