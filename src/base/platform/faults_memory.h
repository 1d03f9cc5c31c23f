#pragma once
// Faults for tests: the in-memory files, INI files and registry ask the injector before every change, so that a
// test fails the n-th change the way the system refuses one (access denied, disk full, a file held by another
// program, a folder gone), or ends the process there. An ended process changes nothing more: that change and
// every later one do not happen and are not reported, while the flow under test runs on unheard, so that what
// is left stored is what a killed process leaves.
#include <cstdint>
#include <optional>
#include <string>

namespace kolvane {

enum class Fault { AccessDenied, DiskFull, SharingViolation, PathGone, ProcessEnded };

class FaultInjector {
public:
    // From now on, the n-th change (1: the next) meets the fault; 0 lets every change happen.
    void Arm(Fault fault, int n);
    // Whether the change may happen; a refused one is reported as the system's error for the call named.
    bool Allows(const char* call, const std::string& target);
    // The changes asked for since the last Arm, the refused one included.
    int Changes() const { return changes_; }

private:
    std::optional<Fault> fault_;
    int failAt_ = 0;
    int changes_ = 0;
};

}  // namespace kolvane
