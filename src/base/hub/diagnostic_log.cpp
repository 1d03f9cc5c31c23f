#include "hub/diagnostic_log.h"

#include <cstdio>

#include "hub/flag_scope.h"
#include "platform/dates.h"

namespace kolvane {

namespace {

std::string Stamp(const DateTime& t) {
    char time[16];
    std::snprintf(time, sizeof time, " %02d:%02d:%02d ", t.hour % 100, t.minute % 100, t.second % 100);
    return ShortDate(t) + time;
}

std::string RefusalEvent(const WriteFailure& failure) {
    return "Schreiben fehlgeschlagen: " + failure.call + " " + failure.target + ": Fehler " +
           std::to_string(failure.error) + " (" + failure.text + ")";
}

}  // namespace

DiagnosticLog::DiagnosticLog(Files& files, Clock& clock, const std::string& folder, std::uint64_t bound)
    : files_(files),
      clock_(clock),
      path_(folder.empty() ? "" : folder + kLogName),
      previous_(folder + kPreviousLogName),
      bound_(bound),
      refusals_([this](const WriteFailure& failure) { Write(RefusalEvent(failure)); }) {}

void DiagnosticLog::Write(const std::string& event) {
    if (path_.empty() || writing_) return;
    FlagScope busy(writing_);
    std::string line = Stamp(clock_.Now()) + event + "\r\n";
    // Should the old generation not give way, the full file goes rather than the bound.
    const auto size = files_.Size(path_);
    if (size && *size + line.size() > bound_ && !files_.Replace(path_, previous_) && !files_.Delete(path_)) return;
    files_.Append(path_, line);
}

}  // namespace kolvane
