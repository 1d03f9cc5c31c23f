#include "tasks/deadline_watch.h"

#include <optional>
#include <string_view>

#include "hub/flag_scope.h"
#include "hub/hint_message.h"
#include "platform/dates.h"
#include "settings/ini_store.h"
#include "store/safe_ini_writer.h"
#include "hub/let_events_run.h"

namespace kolvane {
namespace {

constexpr char kDeadlineProgram[] = "DUEDATES.EXE";
constexpr char kStartFile[] = "FRISTEN.DAT";
constexpr char kRootSection[] = "ROOT";
constexpr char kMissingProgramHint[] =
    "Die Anwendung zur Überwachung der Fristen ist fehlerhaft oder konnte nicht gefunden werden !";
// The deadline component keeps the day of its last check in its setting as ten characters from the 13th on.
constexpr std::size_t kLastCheckAt = 12;
constexpr std::size_t kDateLength = 10;
constexpr double kCheckDelaySeconds = 3;

// `Timer` of the start file: the least number of days between two checks.
struct CheckInterval {
    std::string_view timer;
    int days;
};
constexpr CheckInterval kIntervals[] = {{"0", 30}, {"1", 14}, {"2", 7}, {"3", 1}};

// What the first opening of the member administration writes: a check every week, run by that opening.
struct StartKey {
    const char* key;
    const char* value;
};
constexpr StartKey kFirstUseKeys[] = {{"Timer", "2"}, {"Start", "2"}, {"Cat", "3"}};

std::string StartFile(const Hub& hub) { return ProgramFile(hub, kStartFile); }

std::string ReadRoot(Hub& hub, const char* key) { return IniReadString(hub.os.ini, StartFile(hub), kRootSection, key); }

// `Start` names the one caller the check runs for: 3 the start of the hub, 2 the member administration.
bool CheckRunsFor(const std::string& start, DeadlineCheckCaller caller) {
    return start == (caller == DeadlineCheckCaller::StartUp ? "3" : "2");
}

std::optional<int> IntervalDays(const std::string& timer) {
    for (const CheckInterval& interval : kIntervals)
        if (interval.timer == timer) return interval.days;
    return std::nullopt;
}

// Nothing when the setting is missing or holds no date at its place.
std::optional<int> DaysSinceLastCheck(Hub& hub) {
    std::string watch;
    if (!hub.settings.Get(Setting::Fristwaechter, watch)) return std::nullopt;
    if (watch.size() < kLastCheckAt) return std::nullopt;  // the store has cut it at its first NUL
    const std::optional<DateTime> last = ReadShortDate(std::string_view(watch).substr(kLastCheckAt, kDateLength));
    if (!last) return std::nullopt;
    return DaysBetween(*last, hub.os.clock.Now());
}

// The component's setting is written at the installation already, so its absence alone would never let the
// set-up run: a start file without its `Start` needs it too.
bool SetUpNeeded(Hub& hub) { return !hub.settings.Exists(Setting::Fristwaechter) || ReadRoot(hub, "Start").empty(); }

IniEdit WriteFirstUseKeys(IniDocument& document) {
    IniEdit result = IniEdit::Unchanged;
    for (const StartKey& entry : kFirstUseKeys) {
        const IniEdit edit = document.Write(kRootSection, entry.key, entry.value);
        if (edit == IniEdit::Refused) return edit;
        if (edit == IniEdit::Changed) result = edit;
    }
    return result;
}

// The component keeps more in its file than the hub knows of: every other byte stays as it is.
void WriteStartFile(Hub& hub) {
    const std::string path = StartFile(hub);
    if (EditIniFile(hub.os.files, hub.os.clock, hub.os.locks, path, WriteFirstUseKeys) != SaveResult::Missing) return;
    IniDocument fresh;
    WriteFirstUseKeys(fresh);
    CreateIniFile(hub.os.files, path, fresh.Bytes());
}

}  // namespace

void Fristenchecker(Hub& hub, DeadlineCheckCaller caller) {
    // A check that waits to start already is the one check: the wait lets a second call run.
    if (hub.deadlineCheckWaiting) return;
    if (!CheckRunsFor(ReadRoot(hub, "Start"), caller)) return;
    const std::optional<int> interval = IntervalDays(ReadRoot(hub, "Timer"));
    const std::optional<int> days = DaysSinceLastCheck(hub);
    if (!interval || !days || *days < *interval) return;
    FlagScope waiting(hub.deadlineCheckWaiting);
    LetEventsRun(hub);
    Wait(hub, kCheckDelaySeconds);
    StartComponent(hub, kDeadlineProgram, " /check", ShowState::Normal);
    LetEventsRun(hub);
}

void SetUpDeadlineWatch(Hub& hub) {
    if (!SetUpNeeded(hub)) return;
    if (ProgramFileExists(hub, kDeadlineProgram)) {
        WriteStartFile(hub);
        LetEventsRun(hub);
        Wait(hub, kBriefWaitSeconds);
        StartComponent(hub, kDeadlineProgram, " /auto", ShowState::Normal);
    } else {
        HintMessage(hub, kMissingProgramHint);
        LetEventsRun(hub);
        Wait(hub, kBriefWaitSeconds);
    }
}

}  // namespace kolvane
