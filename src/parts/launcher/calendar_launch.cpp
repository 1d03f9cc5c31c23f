#include <algorithm>

#include "launcher/launch.h"
#include "launcher/special_launches.h"
#include "settings/registry_keys.h"
#include "settings/registry_store.h"
#include "hub/let_events_run.h"

namespace kolvane {
namespace {

constexpr char kMissingMaps[] =
    "Wichtige Systemdateien (Datebook.map, Dayplan.map) konnten nicht gefunden werden. Führen Sie Setup aus oder "
    "prüfen Sie das Online-Update auf neue Aktualisierungen. ";
constexpr char kShortcut[] = "DATEBOOK.LNK";

// A calendar app is reached through a shortcut; each map file is the shortcut template of one app, known
// by the app's class key. `Calendar` 1 prefers the first, 2 the second; an app that is not installed gives
// way to the other, and with neither the suite's own calendar opens.
struct CalendarApp {
    std::int32_t preferredBy;
    const char* shortcutTemplate;
    RegKeyPath classKey;
};
constexpr CalendarApp kApps[] = {
    {1, "DAYPLAN.MAP", kCalendarAppDayplanKey},
    {2, "DATEBOOK.MAP", kCalendarAppDatebookKey},
};

bool Installed(Hub& hub, const CalendarApp& app) {
    return RegKeyExists(hub.os.registry, app.classKey.root, app.classKey.path);
}

const CalendarApp* ChooseApp(Hub& hub) {
    const std::int32_t mode = hub.settings.ReadInt(Setting::Calendar);
    const CalendarApp* preferred =
        std::find_if(std::begin(kApps), std::end(kApps), [&](const CalendarApp& app) { return app.preferredBy == mode; });
    if (preferred == std::end(kApps)) return nullptr;  // 0 (and any value the dialog does not offer): our own
    if (Installed(hub, *preferred)) return preferred;
    for (const CalendarApp& app : kApps)
        if (Installed(hub, app)) return &app;
    return nullptr;
}

}  // namespace

void LaunchCalendar(Hub& hub, const ComponentRow& row, const MenuEntryRef& chosen) {
    for (const CalendarApp& app : kApps) {
        if (!ProgramFileExists(hub, app.shortcutTemplate)) {
            Message(hub, kMissingMaps, MsgButtons::Ok, MsgIcon::Critical);
            return;
        }
    }
    const CalendarApp* app = ChooseApp(hub);
    hub.settings.WriteInt(Setting::OneCalendar, app ? 1 : 0);
    if (!app) {
        StandardLaunch(hub, row.program, row.switches, chosen);
        return;
    }
    hub.os.files.Copy(ProgramFile(hub, app->shortcutTemplate), ProgramFile(hub, kShortcut));
    Wait(hub, kBriefWaitSeconds);
    hub.os.shell.Execute("open", ProgramFile(hub, kShortcut), "", "", ShowState::Normal);
}

}  // namespace kolvane
