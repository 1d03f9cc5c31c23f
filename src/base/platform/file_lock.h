#pragma once
// Exclusive locks between processes, also on different workstations that share a network folder: a
// writer takes the lock before it reads, changes and replaces a shared file, so that two writers never
// lose each other's changes. A lock is a file of its own beside the shared one, held open without sharing;
// the system lets go of it when its holder ends, even when the holder dies, so no stale lock outlives
// its process. Implemented by file_lock_win32.cpp and file_lock_memory.cpp (locks within the test
// process, where a test may take one to play another program).
#include <memory>
#include <string>

namespace kolvane {

class HeldFileLock {
public:
    virtual ~HeldFileLock() = default;
};

class FileLocks {
public:
    virtual ~FileLocks() = default;
    // The lock that the lock file at path stands for, or nothing while another holder has it (or the
    // folder does not allow the file). Names are compared without regard to case, as Windows does.
    virtual std::unique_ptr<HeldFileLock> TryLock(const std::string& path) = 0;
};

}  // namespace kolvane
