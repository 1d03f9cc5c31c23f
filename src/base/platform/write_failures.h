#pragma once
// Where the services tell of a write that the system refused: the call, what it wrote to, and the system's
// error, at the moment it happens while the error is still at hand. The Win32 services report every refused
// write; the in-memory twin reports the ones a test makes fail. One listener for the process (the hub has one
// thread, and the system keeps its last error per thread too): the diagnostic log.
#include <cstdint>
#include <functional>
#include <string>

namespace kolvane {

struct WriteFailure {
    std::string call;     // "MoveFileExA"
    std::string target;   // the file, or the registry value's name; never what was written
    std::uint32_t error;  // the system's error code
    std::string text;     // the system's text for it, Windows-1252
};

// Listens while it lives; the listener before it listens again afterwards.
class WriteFailureListener {
public:
    explicit WriteFailureListener(std::function<void(const WriteFailure&)> listener);
    ~WriteFailureListener();
    WriteFailureListener(const WriteFailureListener&) = delete;
    WriteFailureListener& operator=(const WriteFailureListener&) = delete;

private:
    std::function<void(const WriteFailure&)> previous_;
};

void ReportWriteFailure(const WriteFailure& failure);

}  // namespace kolvane
