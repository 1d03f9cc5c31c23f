#include "store/safe_ini_writer.h"

#include <memory>
#include <optional>

#include "platform/wait.h"

namespace kolvane {

namespace {

std::unique_ptr<HeldFileLock> TakeLock(Clock& clock, FileLocks& locks, const std::string& path,
                                       const SafeWriteBounds& bounds) {
    Stopwatch stopwatch(clock);
    for (;;) {
        if (auto held = locks.TryLock(LockFileOf(path))) return held;
        if (stopwatch.Seconds() >= bounds.lockSeconds) return nullptr;
        Wait(clock, bounds.retrySeconds);
    }
}

// Removes the temporary file on every way out, so that a failed save leaves nothing behind.
class TemporaryFile {
public:
    TemporaryFile(Files& files, std::string path) : files_(files), path_(std::move(path)) {}
    ~TemporaryFile() {
        if (files_.Exists(path_)) files_.Delete(path_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& Path() const { return path_; }

private:
    Files& files_;
    std::string path_;
};

}  // namespace

std::string LockFileOf(const std::string& path) { return path + ".lck"; }

std::string TemporaryFileOf(const std::string& path) { return path + ".new"; }

SaveResult EditIniFile(Files& files, Clock& clock, FileLocks& locks, const std::string& path,
                       const std::function<IniEdit(IniDocument&)>& edit, const SafeWriteBounds& bounds) {
    if (!files.Exists(path)) return SaveResult::Missing;
    if (files.IsFolder(path)) return SaveResult::Failed;
    const std::unique_ptr<HeldFileLock> lock = TakeLock(clock, locks, path, bounds);
    if (!lock) return SaveResult::Busy;

    TemporaryFile temporary(files, TemporaryFileOf(path));
    Stopwatch stopwatch(clock);
    for (;;) {
        // Each attempt starts from the file as it is now: a peer may have written it in the meantime.
        const std::optional<std::string> before = ReadWholeFile(files, clock, path);
        if (!before && !files.Exists(path)) return SaveResult::Missing;
        if (before) {
            IniDocument document(*before);
            switch (edit(document)) {
                case IniEdit::Refused: return SaveResult::Refused;
                case IniEdit::Unchanged: return SaveResult::Saved;
                case IniEdit::Changed: break;
            }
            if (!files.WriteAll(temporary.Path(), document.Bytes())) return SaveResult::Failed;
            // The replace goes ahead only over the content the edit started from.
            if (files.ReadAll(path) == before && files.Replace(temporary.Path(), path)) return SaveResult::Saved;
        }
        if (stopwatch.Seconds() >= bounds.replaceSeconds) return SaveResult::Busy;
        Wait(clock, bounds.retrySeconds);
    }
}

std::optional<std::string> ReadWholeFile(Files& files, Clock& clock, const std::string& path, double seconds) {
    constexpr double kRetrySeconds = 0.05;
    Stopwatch stopwatch(clock);
    std::optional<std::string> last = files.ReadAll(path);
    for (;;) {
        std::optional<std::string> again = files.ReadAll(path);
        if ((again == last && again && !again->empty()) || stopwatch.Seconds() >= seconds) return again;
        last = std::move(again);
        Wait(clock, kRetrySeconds);
    }
}

bool ReplaceFileWith(Files& files, const std::string& path, const std::string& bytes) {
    TemporaryFile temporary(files, TemporaryFileOf(path));
    return files.WriteAll(temporary.Path(), bytes) && files.Replace(temporary.Path(), path);
}

bool CopyFileWhole(Files& files, const std::string& from, const std::string& to) {
    TemporaryFile temporary(files, TemporaryFileOf(to));
    return files.Copy(from, temporary.Path()) && files.Replace(temporary.Path(), to);
}

bool CreateIniFile(Files& files, const std::string& path, const std::string& bytes) {
    TemporaryFile temporary(files, TemporaryFileOf(path));
    return files.WriteAll(temporary.Path(), bytes) && !files.Exists(path) && files.Replace(temporary.Path(), path);
}

}  // namespace kolvane
