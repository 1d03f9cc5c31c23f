#pragma once
// The process as tests script it. Terminate throws ProcessTerminated, so a test sees where the program ended.
#include <map>
#include <memory>
#include <set>

#include "platform/kernel.h"

namespace kolvane {

struct ProcessTerminated {};

class MemoryKernel : public Kernel {
public:
    std::string programFolder = "C:\\Orvintal";
    std::string commandLine;
    ProgramVersion version{1, 0, 0};
    bool previousInstance = false;
    std::string windowsFolder = "C:\\Windows";
    std::string systemFolder = "C:\\Windows\\SysWOW64";
    std::string tempFolder = "C:\\Temp\\";
    std::string computerName = "BERATUNG1";
    std::map<std::string, std::string> environment;
    // Names of the mutexes held by any process, this one or others the test pretends.
    std::shared_ptr<std::set<std::string>> heldMutexes = std::make_shared<std::set<std::string>>();
    int terminations = 0;

    std::string ProgramFolder() override { return programFolder; }
    std::string CommandLine() override { return commandLine; }
    ProgramVersion Version() override { return version; }
    bool PreviousInstance() override { return previousInstance; }
    MutexResult CreateOwnedMutex(const std::string& name) override;
    std::string WindowsFolder() override { return windowsFolder; }
    std::string SystemFolder() override { return systemFolder; }
    std::string TempFolder() override { return tempFolder; }
    std::string ComputerName() override { return computerName; }
    std::string ExpandEnvironment(const std::string& text) override;
    [[noreturn]] void Terminate() override;
};

}  // namespace kolvane
