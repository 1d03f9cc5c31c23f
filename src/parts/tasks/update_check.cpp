#include "tasks/update_check.h"

#include <algorithm>

#include "hub/hint_message.h"
#include "platform/dates.h"
#include "store/safe_ini_writer.h"
#include "tasks/tax_year_table.h"
#include "hub/let_events_run.h"

namespace kolvane {
namespace {

constexpr char kWaitingManager[] = "UPDCTRL.UCF";
constexpr char kPendingSettings[] = "UPDATE.SET";
constexpr char kManagerInstalledHint[] =
    "Eine Aktualisierung des Update-Manager von Orvintal wurde gefunden und installiert.";
constexpr int kReminderDays = 25;
// `PackageUpdate` is a check box "download new updates once a month": checked (1) is the package update, so
// the complete update is the unchecked one.
constexpr std::int32_t kCompleteUpdate = 0;

// The DOS header's "MZ" and, where it points, the "PE" signature of a Windows program.
bool IsWindowsProgram(const std::string& bytes) {
    constexpr std::size_t kHeaderOffsetAt = 0x3C;
    if (bytes.size() < kHeaderOffsetAt + 4 || !bytes.starts_with("MZ")) return false;
    std::uint32_t at = 0;
    for (int i = 3; i >= 0; --i) at = at << 8 | static_cast<unsigned char>(bytes[kHeaderOffsetAt + i]);
    return at <= bytes.size() - 4 && bytes.compare(at, 4, std::string("PE\0\0", 4)) == 0;
}

// The manager cannot replace itself while it runs: it leaves its successor beside itself. Only a whole Windows
// program replaces it, through a copy that takes the manager's name in one step, so that a locked manager or a
// broken copy leaves the old one working; the successor goes only once the manager is that very program.
void InstallWaitingManager(Hub& hub) {
    Files& files = hub.os.files;
    const std::string waiting = ProgramFile(hub, kWaitingManager), manager = ProgramFile(hub, kUpdateManager);
    if (!files.Exists(waiting)) return;
    const std::optional<std::string> successor = files.ReadAll(waiting);
    if (!successor || !IsWindowsProgram(*successor)) return;
    if (!CopyFileWhole(files, waiting, manager) || files.ReadAll(manager) != successor) return;
    HintMessage(hub, kManagerInstalledHint);
    LetEventsRun(hub);
    Wait(hub, kBriefWaitSeconds);
    files.Delete(waiting);
    LetEventsRun(hub);
    Wait(hub, kBriefWaitSeconds);
}

// What is done today counts whatever the reminder setting says: otherwise, without reminders, the hand-off
// would run at every start.
void RemindOfUpdateSearch(Hub& hub, const DateTime& now) {
    const std::string today = ShortDate(now);
    std::string last = today;  // the store cuts texts at their first NUL
    hub.settings.Get(Setting::Updates, last);
    if (last == today) {
        hub.bTrayiconTag = "1";
        return;
    }
    if (hub.settings.ReadInt(Setting::InternetUpdate) == 0) return;
    const std::optional<DateTime> lastDate = ReadShortDate(last);
    if (!lastDate || DaysBetween(*lastDate, now) < kReminderDays) return;
    StartComponent(hub, kHintfeed, " /s", ShowState::Normal);
    hub.bTrayiconTag = "0";
    Wait(hub, kBriefWaitSeconds);
}

// The manager restarts the suite when it is done: the dates say it had its turn today, and the hub makes way.
void EndForTheManager(Hub& hub, const std::string& today) {
    hub.settings.WriteText(Setting::LastUpdate, today);
    hub.settings.WriteText(Setting::Updates, today);
    LetEventsRun(hub);
    Wait(hub, kBriefWaitSeconds);
    hub.log.Write("Übergabe an die Aktualisierung");
    CloseHub(hub, "Übergabe an die Aktualisierung");
}

// Nothing is recorded unless a manager really started.
bool HandOverForTheDay(Hub& hub, const std::string& today) {
    std::int32_t autoUpdate = 0;
    if (hub.bTrayiconTag == "1" || !hub.settings.Get(Setting::AutoUpdate, autoUpdate) || autoUpdate != 1) return false;
    const std::string manager = InstalledUpdateManager(hub);
    if (manager.empty()) return false;
    if (!hub.settings.Exists(Setting::UpdPackage)) hub.settings.WriteText(Setting::UpdPackage, "000");
    if (!hub.settings.Exists(Setting::PackageUpdate)) hub.settings.WriteInt(Setting::PackageUpdate, 1);
    const char* kind = hub.settings.ReadInt(Setting::PackageUpdate) == kCompleteUpdate ? " /a" : " /p";
    if (!StartComponent(hub, manager, kind, ShowState::Normal)) return false;
    EndForTheManager(hub, today);
    return true;
}

std::string FileStamp(Hub& hub, const std::string& path) {
    const std::optional<FileTime> time = hub.os.files.ModifiedTime(path);
    return GeneralDate(time.value_or(FileTime{})) + " " + std::to_string(hub.os.files.Size(path).value_or(0));
}

// The manager reads the settings file after the hub has ended, so the hub cannot delete it on handing over: it
// notes the file's time and size, and the next start deletes that same file instead of handing it over again.
bool HandOverPendingSettings(Hub& hub, const std::string& today) {
    const std::string path = ProgramFile(hub, kPendingSettings);
    if (!hub.os.files.Exists(path)) {
        if (hub.settings.Exists(Setting::UpdateSetGiven)) hub.settings.Delete(Setting::UpdateSetGiven);
        return false;
    }
    const std::string stamp = FileStamp(hub, path);
    if (stamp == hub.settings.ReadText(Setting::UpdateSetGiven)) {
        if (hub.os.files.Delete(path)) hub.settings.Delete(Setting::UpdateSetGiven);
        return false;
    }
    // Noted before the hand-over: a file handed over without the note would be handed over again at every start,
    // and the manager would restart the hub for ever.
    const std::string manager = InstalledUpdateManager(hub);
    if (manager.empty() || !hub.settings.WriteText(Setting::UpdateSetGiven, stamp)) return false;
    if (!StartComponent(hub, manager, " /c", ShowState::Normal)) {
        hub.settings.Delete(Setting::UpdateSetGiven);
        return false;
    }
    EndForTheManager(hub, today);
    return true;
}

}  // namespace

std::string InstalledUpdateManager(Hub& hub) {
    for (const char* manager : {kUpdateManager, kOlderUpdateManager})
        if (ProgramFileExists(hub, manager)) return manager;
    return {};
}

bool WebUpdateCheck(Hub& hub) {
    InstallWaitingManager(hub);
    CompleteTaxYearTable(hub);
    const DateTime now = hub.os.clock.Now();
    const std::string today = ShortDate(now);
    if (!hub.settings.Exists(Setting::Updates)) {
        hub.settings.WriteInt(Setting::AutoUpdate, 1);
        hub.settings.WriteText(Setting::Updates, today);
    }
    RemindOfUpdateSearch(hub, now);
    return HandOverForTheDay(hub, today) || HandOverPendingSettings(hub, today);
}

std::optional<std::uintptr_t> ConnectionCheck(Hub& hub, std::string_view name) {
    if (!hub.os.network.InternetConnected()) return std::nullopt;
    const std::vector<DialUpConnection> connections = hub.os.network.DialUpConnections();
    const auto found = name.empty() ? connections.begin()
                                    : std::ranges::find(connections, name, &DialUpConnection::name);
    return found == connections.end() ? 0 : found->handle;
}

}  // namespace kolvane
