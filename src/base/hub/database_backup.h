#pragma once
// The member database's two-generation daily backup beside it (DATEX.BAK, and the one before as
// DATEX.OLD) and the restore of a backup when the database is missing.
#include <string>
#include <string_view>

#include "hub/hub.h"

namespace kolvane {

// Title of the messages about a database that cannot be used as it is.
inline constexpr char kDatabaseErrorTitle[] = " Datenbankfehler";

enum class DatabaseState {
    Sound,       // not empty, no NUL byte, with its header section "000"
    Damaged,     // with its header, but holding NUL bytes (what a crash or a disk fault leaves)
    NoDatabase,  // empty, or without the header section
};

DatabaseState ClassifyDatabase(std::string_view bytes);

enum class CopyResult {
    Copied,
    Unsound,     // the source is no sound database
    Unreadable,  // the source is missing or cannot be read
    Failed,      // the target could not be written
};

// Copies a sound database file over `to`, never a damaged one. The bytes checked are the bytes written,
// first into a temporary file beside `to`, which then replaces it in one step: `to` is never left
// half-written, and on failure it stays as it was. The copy carries the time it was made.
CopyResult CopyDatabase(Files& files, const std::string& from, const std::string& to);

enum class BackupResult {
    Made,        // DATEX.BAK holds the database now, DATEX.OLD the previous DATEX.BAK
    Unreadable,  // the database is missing or held by another program
    NoDatabase,  // the file is empty or has no header section
    NotMade,     // the database is damaged or a step failed: the user was told, the backups are as they were
};

// What becomes of the DATEX.OLD that a backup replaces.
enum class OlderBackup {
    Dropped,      // the daily rotation: another one follows tomorrow
    Recoverable,  // before a reorganisation that deletes members: to the recycle bin, on a share renamed aside
};

// The database becomes DATEX.BAK and the previous DATEX.BAK becomes DATEX.OLD, each file replaced in one step,
// so that no backup is gone before its successor exists.
BackupResult BackUpDatabase(Hub& hub, OlderBackup older);
// Once a day, the same backup.
void RotateBackups(Hub& hub);
// The database is missing and DATEX.BAK exists: the user chooses to restore it, to begin with a new
// database, or to quit.
void OfferRestore(Hub& hub);

}  // namespace kolvane
