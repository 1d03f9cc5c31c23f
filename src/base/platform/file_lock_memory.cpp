#include "platform/file_lock_memory.h"

#include "platform/text.h"

namespace kolvane {

namespace {

class MemoryHeldFileLock final : public HeldFileLock {
public:
    MemoryHeldFileLock(std::shared_ptr<std::set<std::string>> held, std::string name)
        : held_(std::move(held)), name_(std::move(name)) {}
    ~MemoryHeldFileLock() override { held_->erase(name_); }
    MemoryHeldFileLock(const MemoryHeldFileLock&) = delete;
    MemoryHeldFileLock& operator=(const MemoryHeldFileLock&) = delete;

private:
    std::shared_ptr<std::set<std::string>> held_;
    std::string name_;
};

}  // namespace

std::unique_ptr<HeldFileLock> MemoryFileLocks::TryLock(const std::string& path) {
    std::string name = ToLower(path);
    if (!held_->insert(name).second) return nullptr;
    return std::make_unique<MemoryHeldFileLock>(held_, std::move(name));
}

bool MemoryFileLocks::Held(const std::string& path) const { return held_->count(ToLower(path)) != 0; }

}  // namespace kolvane
