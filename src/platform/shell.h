#pragma once
// Starting programs and documents. Implemented by shell_win32.cpp and shell_memory.cpp.
#include <string>

#include "platform/windows.h"

namespace kolvane {

class Shell {
public:
    virtual ~Shell() = default;
    // CreateProcessA with exactly this command line and the window style in STARTUPINFO, so that a
    // program named *.DLL starts as well; nothing is waited for and no handle is kept.
    virtual bool StartProcess(const std::string& commandLine, ShowState show) = 0;
    // ShellExecuteA with the verb "open" or "runas".
    virtual bool Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                         const std::string& folder, ShowState show) = 0;
    // SHFileOperationA delete with undo: the file goes to the recycle bin where the volume has one.
    virtual bool MoveToRecycleBin(const std::string& path) = 0;
};

}  // namespace kolvane
