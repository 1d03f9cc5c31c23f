#include "platform/file_lock_win32.h"

#include "platform/handle_win32.h"

namespace kolvane {

namespace {

class Win32HeldFileLock final : public HeldFileLock {
public:
    explicit Win32HeldFileLock(Handle file) : file_(std::move(file)) {}

private:
    Handle file_;
};

}  // namespace

std::unique_ptr<HeldFileLock> Win32FileLocks::TryLock(const std::string& path) {
    // Share mode 0: every other open fails with a sharing violation while this handle lives, on a
    // local disk and on a share alike. Delete-on-close removes the file with the last handle, so an
    // ended holder leaves nothing behind.
    Handle file(::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                              nullptr));
    if (!file) return nullptr;
    return std::make_unique<Win32HeldFileLock>(std::move(file));
}

}  // namespace kolvane
