#include "launcher/launch.h"
#include "launcher/special_launches.h"
#include "hub/let_events_run.h"

namespace kolvane {
namespace {

// Older installations have the day calculator under this name.
constexpr char kOldName[] = "ARITHPAD.EXE";
constexpr char kTakeOverTemp[] = "DAYSPAN.$$$";

bool SameBytes(Hub& hub, const std::string& a, const std::string& b) {
    std::optional<std::string> first = hub.os.files.ReadAll(a);
    std::optional<std::string> second = hub.os.files.ReadAll(b);
    return first && second && *first == *second;
}

// Only where the new program is missing, so a newer DAYSPAN.EXE is never replaced by the old one; the old file
// is deleted only after its copy has read back byte for byte and taken the new name, so that a failed copy
// leaves the old program where it was.
void TakeOverOldName(Hub& hub, const std::string& program) {
    const std::string old = ProgramFile(hub, kOldName);
    const std::string target = ProgramFile(hub, program);
    if (!hub.os.files.Exists(old) || hub.os.files.Exists(target)) return;
    const std::string temp = ProgramFile(hub, kTakeOverTemp);
    if (hub.os.files.Copy(old, temp) && SameBytes(hub, old, temp) && hub.os.files.Replace(temp, target))
        hub.os.files.Delete(old);
    else
        hub.os.files.Delete(temp);
    LetEventsRun(hub);
}

}  // namespace

void LaunchDayCalculator(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    TakeOverOldName(hub, std::string(row.program));
    StandardLaunch(hub, row.program, row.switches, chosen);
}

}  // namespace kolvane
