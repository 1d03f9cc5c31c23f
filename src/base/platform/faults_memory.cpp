#include "platform/faults_memory.h"

#include "platform/write_failures.h"

namespace kolvane {

namespace {

struct SystemError {
    std::uint32_t code;
    const char* text;
};

// Indexed by Fault, the process's end excepted: the errors as a German Windows reports them.
constexpr SystemError kErrors[] = {
    {5, "Zugriff verweigert"},
    {112, "Auf dem Datenträger ist nicht genügend Speicherplatz vorhanden."},
    {32, "Der Prozess kann nicht auf die Datei zugreifen, da sie von einem anderen Prozess verwendet wird."},
    {3, "Das System kann den angegebenen Pfad nicht finden."},
};

}  // namespace

void FaultInjector::Arm(Fault fault, int n) {
    fault_ = fault;
    failAt_ = n;
    changes_ = 0;
}

bool FaultInjector::Allows(const char* call, const std::string& target) {
    ++changes_;
    if (failAt_ == 0 || changes_ < failAt_) return true;
    if (*fault_ == Fault::ProcessEnded) return false;
    if (changes_ > failAt_) return true;
    // The diagnostic log's appends are not reported by the system either.
    const SystemError& error = kErrors[static_cast<int>(*fault_)];
    if (*call) ReportWriteFailure({call, target, error.code, error.text});
    return false;
}

}  // namespace kolvane
