#include "launcher_fixture.h"

namespace kolvane {
namespace {

// An installation with the suite's calendar and both shortcut templates.
struct CalendarSystem {
    CalendarSystem() {
        RegCreateKey(p.registry, kSettingsKey.root, kSettingsKey.path, "");
        for (const char* name : {"DATEBOOK.EXE", "DATEBOOK.MAP", "DAYPLAN.MAP"})
            p.files.Put(ProgramFile(hub, name), std::string("bytes of ") + name);
    }
    void Choose() { RunAction(hub, ActionKey::Terminplaner, {menu, 31}); }
    MemoryPlatform p;
    Hub hub{p.os};
    RecordingMenu menu;
};

TEST(CalendarLaunch, CalendarChoosesTheOwnCalendarOrAnInstalledApp) {
    struct Case {
        const char* name;
        std::optional<std::int16_t> calendar;
        bool dayplanApp, datebookApp;  // class keys present
        const char* shortcut;          // the map file opened as DATEBOOK.LNK, null for DATEBOOK.EXE
    };
    const Case cases[] = {
        {"missing: own calendar", std::nullopt, true, true, nullptr},
        {"0: own calendar", 0, true, true, nullptr},
        {"1: its app", 1, true, true, "DAYPLAN.MAP"},
        {"1: the other app when its own is missing", 1, false, true, "DATEBOOK.MAP"},
        {"2: its app", 2, true, true, "DATEBOOK.MAP"},
        {"2: the other app when its own is missing", 2, true, false, "DAYPLAN.MAP"},
        {"1 without any app: own calendar", 1, false, false, nullptr},
        {"a value the dialog does not offer: own calendar", 7, true, true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CalendarSystem s;
        if (c.calendar) s.hub.settings.WriteInt(Setting::Calendar, *c.calendar);
        if (c.dayplanApp) RegCreateKey(s.p.registry, kCalendarAppDayplanKey.root, kCalendarAppDayplanKey.path, "");
        if (c.datebookApp) RegCreateKey(s.p.registry, kCalendarAppDatebookKey.root, kCalendarAppDatebookKey.path, "");

        s.Choose();

        const std::string shortcut = ProgramFile(s.hub, "DATEBOOK.LNK");
        if (c.shortcut) {
            EXPECT_TRUE(s.p.shell.started.empty());
            EXPECT_EQ(s.p.files.ReadAll(shortcut), std::string("bytes of ") + c.shortcut);
            EXPECT_EQ(s.p.shell.executed,
                      (std::vector<MemoryShell::Executed>{{"open", shortcut, "", "", ShowState::Normal}}));
        } else {
            EXPECT_EQ(s.p.shell.started, (std::vector<MemoryShell::Started>{
                                             {"\"" + ProgramFile(s.hub, "DATEBOOK.EXE") + "\"", ShowState::Normal}}));
            EXPECT_TRUE(s.p.shell.executed.empty());
        }
        EXPECT_EQ(s.hub.settings.ReadText(Setting::OneCalendar), c.shortcut ? "1" : "0");
        EXPECT_TRUE(s.p.dialogs.shown.empty());
    }
}

TEST(CalendarLaunch, AMissingMapFileStopsWithItsMessageAndAMissingCalendarDisablesTheEntry) {
    for (const char* map : {"DATEBOOK.MAP", "DAYPLAN.MAP"}) {
        SCOPED_TRACE(map);
        CalendarSystem s;
        s.p.files.Delete(ProgramFile(s.hub, map));
        s.Choose();
        EXPECT_EQ(s.p.dialogs.shown, (std::vector<MessageBoxRequest>{
                                         {"Wichtige Systemdateien (Datebook.map, Dayplan.map) konnten nicht gefunden "
                                          "werden. F\xFChren Sie Setup aus oder pr\xFC" "fen Sie das Online-Update auf "
                                          "neue Aktualisierungen. ",
                                          "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Critical}}));
        EXPECT_TRUE(s.p.shell.started.empty());
        EXPECT_TRUE(s.menu.disabled.empty());
    }
    CalendarSystem s;
    s.p.files.Delete(ProgramFile(s.hub, "DATEBOOK.EXE"));
    s.Choose();
    EXPECT_EQ(s.menu.disabled, std::vector<int>{31});
}

}  // namespace
}  // namespace kolvane
