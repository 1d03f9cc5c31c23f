#pragma once
// Starting programs and documents through kernel32 and shell32.
#include "platform/shell.h"

namespace kolvane {

// ShellExecuteA may hand the work to COM objects of shell extensions: the thread must have entered a
// single-threaded apartment (CoInitializeEx with COINIT_APARTMENTTHREADED) before Execute is used.
class Win32Shell final : public Shell {
public:
    bool StartProcess(const std::string& commandLine, ShowState show) override;
    std::unique_ptr<StartedProcess> StartWatchedProcess(const std::string& commandLine, ShowState show) override;
    bool Execute(const std::string& verb, const std::string& file, const std::string& parameters,
                 const std::string& folder, ShowState show) override;
    bool MoveToRecycleBin(const std::string& path) override;
};

}  // namespace kolvane
