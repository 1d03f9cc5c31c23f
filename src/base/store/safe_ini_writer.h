#pragma once
// Changes to a shared INI file (the member database) made so that no reader ever sees a truncated or
// half-written file and no writer of ours loses another's change:
// - under the file's lock (a lock file beside it, see platform/file_lock.h), taken within a bound;
// - the file is read whole, the edit is applied by the codec, which keeps every byte it does not change,
//   and the result goes to a temporary file in the same folder, which then replaces the file in one step
//   (MoveFileEx with replace and write-through);
// - while a peer holds the file open the replace fails: it is retried within a bound, and every retry
//   starts again from the file as it is then, so a peer's write in the meantime is kept, not overwritten;
// - a missing file is never created: the peers take a missing database for one to restore.
// Waits pump window messages (platform Wait), so the program stays responsive meanwhile.
#include <functional>
#include <optional>
#include <string>

#include "platform/clock.h"
#include "platform/file_lock.h"
#include "platform/files.h"
#include "platform/ini_codec.h"

namespace kolvane {

enum class SaveResult {
    Saved,    // changed, or already as wanted
    Refused,  // the edit was refused; the file is as it was
    Missing,  // the file does not exist; nothing was created
    Busy,     // the lock or the replace was not possible within the bound; the file is as it was
    Failed,   // the file could not be read or the new content not written; the file is as it was
    Damaged,  // the file is not one the caller may change (no member database); it is as it was
};

struct SafeWriteBounds {
    double lockSeconds = 10;     // waiting for another writer of ours
    double replaceSeconds = 10;  // waiting for a peer that holds the file open
    double retrySeconds = 0.25;  // pause between two attempts
};

// The lock file and the temporary file of a shared file: its name with ".lck" / ".new" appended.
std::string LockFileOf(const std::string& path);
std::string TemporaryFileOf(const std::string& path);

SaveResult EditIniFile(Files& files, Clock& clock, FileLocks& locks, const std::string& path,
                       const std::function<IniEdit(IniDocument&)>& edit, const SafeWriteBounds& bounds = {});

// The whole content of a shared file. The profile functions of the peers empty the file and then write it anew,
// and a read meanwhile would take the empty or half-written file for the database: the file is read until two
// reads in a row agree on a content that is not empty, within the bound. A file that stays empty or keeps
// changing is returned as last read; nothing when it cannot be read at all.
std::optional<std::string> ReadWholeFile(Files& files, Clock& clock, const std::string& path, double seconds = 2);

// A file written anew, whole, to its temporary file, which then replaces it in one step: a reader sees the old
// content or the new one, never half of it. On failure the file is as it was and no temporary file is left.
bool ReplaceFileWith(Files& files, const std::string& path, const std::string& bytes);
// The same for a copy of another file, which keeps that file's time: a copy cut off halfway never stands under
// the name.
bool CopyFileWhole(Files& files, const std::string& from, const std::string& to);
// A shared file that does not exist yet: written whole to the temporary file, which then takes its name, so
// that no reader ever sees it half-written. A file that has appeared meanwhile is kept; false then, and when
// the file could not be written.
bool CreateIniFile(Files& files, const std::string& path, const std::string& bytes);

}  // namespace kolvane
