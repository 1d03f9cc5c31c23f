#pragma once
// File locks by a lock file opened without any sharing and deleted when the last handle closes.
#include "platform/file_lock.h"

namespace kolvane {

class Win32FileLocks final : public FileLocks {
public:
    std::unique_ptr<HeldFileLock> TryLock(const std::string& path) override;
};

}  // namespace kolvane
