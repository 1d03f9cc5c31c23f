#pragma once
// The hub's diagnostic log KOLVANE.LOG in the user's temporary folder, for the support staff who must tell
// what happened when an office calls: each start and how it ended, each close and who asked for it, the
// database's backups, restores and changes, the update hand-off, and every write the system refused with the
// call and the system's error. One line per event, date and time first, Windows-1252, CR LF.
// It never holds data of the members: callers pass fixed texts and the names of files and settings only, and
// a refused write names the file or the setting, not what was written.
// Grown beyond its bound, the file becomes KOLVANE.OLD, the one previous generation (named as the database's
// DATEX.OLD, which the offices know), and a new one begins. A line that cannot be written is lost quietly:
// the log never disturbs the hub.
#include <cstdint>
#include <string>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/write_failures.h"

namespace kolvane {

inline constexpr char kLogName[] = "KOLVANE.LOG";
inline constexpr char kPreviousLogName[] = "KOLVANE.OLD";

class DiagnosticLog {
public:
    static constexpr std::uint64_t kBound = std::uint64_t{256} * 1024;  // some thousand lines: months of an office's use

    // folder: the temporary folder with its trailing backslash; empty when the system named none (no log then).
    DiagnosticLog(Files& files, Clock& clock, const std::string& folder, std::uint64_t bound = kBound);
    void Write(const std::string& event);

private:
    Files& files_;
    Clock& clock_;
    std::string path_;
    std::string previous_;
    std::uint64_t bound_;
    bool writing_ = false;  // a refusal of the log's own rotation is not logged into the log again
    WriteFailureListener refusals_;
};

}  // namespace kolvane
