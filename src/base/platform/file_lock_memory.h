#pragma once
// File locks for tests: held within this process, by name. A test takes one itself to play another
// program that holds the lock.
#include <memory>
#include <set>
#include <string>

#include "platform/file_lock.h"

namespace kolvane {

class MemoryFileLocks final : public FileLocks {
public:
    std::unique_ptr<HeldFileLock> TryLock(const std::string& path) override;
    bool Held(const std::string& path) const;

private:
    std::shared_ptr<std::set<std::string>> held_ = std::make_shared<std::set<std::string>>();
};

}  // namespace kolvane
