#pragma once
// The running process and the system through kernel32.
#include <functional>
#include <string_view>
#include <vector>

#include "platform/kernel.h"

namespace kolvane {

// The text after the program name of a command line, as Command$ gave it to the suite's programs: the
// program name ends at its closing double quote when it starts with one, else at the first blank or tab;
// the blanks that follow it are removed.
std::string CommandArguments(std::string_view commandLine);

class Win32Kernel final : public Kernel {
public:
    // Runs in Terminate before the process ends, in the order registered (for example: remove the tray
    // icon, which the shell would otherwise keep showing).
    void OnTerminate(std::function<void()> callback);

    std::string ProgramFolder() override;
    std::string CommandLine() override;
    // Zeros when the program carries no VERSIONINFO resource.
    ProgramVersion Version() override;
    bool PreviousInstance() override;
    MutexResult CreateOwnedMutex(const std::string& name) override;
    std::string WindowsFolder() override;
    std::string SystemFolder() override;
    std::string TempFolder() override;
    std::string ComputerName() override;
    std::string ExpandEnvironment(const std::string& text) override;
    [[noreturn]] void Terminate() override;

private:
    std::vector<std::function<void()>> onTerminate_;
};

}  // namespace kolvane
