#include "hub/shutdown.h"

#include "hub_fixture.h"

namespace kolvane {
namespace {

constexpr char kList[] = "C:\\Daten\\DATEX.PCN";

// One workstation entry of DATEX.PCN as the components write it: the name scrambled.
std::string Entry(const std::string& section, const std::string& name, const std::string& lineEnd = "\r\n") {
    return "[" + section + "]" + lineEnd + "PCName=" + *Crypt(name) + lineEnd;
}

// The test platform's icon seen through a door that notes its removal.
struct LoggingTray : MemoryTray {
    explicit LoggingTray(EventLog& log) : log(log) {}
    bool Remove() override { return log.push_back("icon removed"), MemoryTray::Remove(); }
    EventLog& log;
};

// A running hub whose outward steps land in one ordered log: its windows, the mutex held, the icon shown, every
// timer on, the database in C:\Daten; this workstation is BERATUNG1, the only entry of the list.
class ShutdownTest : public ::testing::Test {
protected:
    ShutdownTest() {
        RegCreateKey(p.registry, kSettingsKey.root, kSettingsKey.path, "");
        hub.Root = p.windows.Create(kHubClass, kHubCaption);
        hub.Text1 = p.windows.Create(kCommandBoxClass, "", hub.Root);
        hub.LrDatabase = "C:\\Daten\\";
        p.windows.Get(hub.Text1).onChange = [this](const std::string& text) { OnCommandText(hub, text); };
        p.windows.Get(hub.Root).onChange = [this](const std::string& text) { log.push_back("caption " + text); };
        hub.switchTimer = [this](HubTimer t, bool on) { log.push_back("Timer" + std::to_string(int(t)) + (on ? " on" : " off")); };
        hub.mutex = p.kernel.CreateOwnedMutex("Orvintal").mutex;
        tray.Add(TrayPicture::Ready, "Orvintal");
        for (bool& on : hub.timers) on = true;
        p.files.Put(kList, Entry("001", "BERATUNG1"));
        // The replaces and deletes land in the log.
        p.files.onChange = [this](const FileChange& change) -> std::optional<bool> {
            if (change.kind == FileChange::Kind::Replace) log.push_back("replace " + change.to);
            if (change.kind == FileChange::Kind::Delete) log.push_back("delete " + change.path);
            return std::nullopt;
        };
        hub.settings.WriteText(Setting::PCName, "BERATUNG1");
    }
    bool Run(const std::function<void()>& path) {
        log.clear();
        return Ends(path);
    }
    bool MutexHeld() const { return p.kernel.heldMutexes->count("Orvintal") > 0; }

    EventLog log;
    MemoryPlatform p;
    LoggingRegistry registry{p.registry, log};
    LoggingTray tray{log};
    Platform os{registry, p.ini, p.windows, tray, p.shell, p.kernel, p.files, p.clock, p.dialogs, p.md5, p.network, p.locks};
    Hub hub{os};
};

TEST_F(ShutdownTest, EndeRunsTheCloseSequenceInItsOrder) {
    hub.settings.WriteInt(Setting::NoKillIHP, 0);
    hub.settings.WriteText(Setting::DB_IHP, "0");
    for (const char* file : {"C:\\Daten\\DATEX.IHP", "C:\\Orvintal\\DATEX.IHP", "C:\\Daten\\DATEX.CCP"}) p.files.Put(file, "x");
    for (const char* text : {"$ende$", "$Ende$ ", "$Ende$\r\n"})
        EXPECT_FALSE(Run([&] { p.windows.SetText(hub.Text1, text); }) || !log.empty()) << "only the exact command closes";

    ASSERT_TRUE(Run([&] { p.windows.SetText(hub.Text1, "$Ende$"); }));

    EXPECT_EQ(log, (EventLog{"set Encoder", "set NowClose", "delete C:\\Daten\\DATEX.IHP", "delete C:\\Orvintal\\DATEX.IHP",
                             "set DB_IHP", "delete C:\\Daten\\DATEX.CCP", "Timer1 off", "Timer2 off", "Timer3 off",
                             "Timer4 off", "caption Zweite InstanzBrekkan Orvintal  ", "icon removed"}));
    EXPECT_EQ(hub.settings.ReadText(Setting::DB_IHP), "1");
    EXPECT_TRUE(TimerEnabled(hub, HubTimer::Timer5)) << "the process ends anyway";
    EXPECT_FALSE(MutexHeld()) << "a new hub can take the mutex at once";
}

// Only the first of the four sections whose scrambled name matches this workstation's, in any letter case, leaves
// the list; every other byte stays (the profile functions under Wine would rewrite them); a list without a match is
// not written; an empty name matches nothing.
TEST_F(ShutdownTest, OnlyTheMatchingSectionLeavesTheWorkstationList) {
    const std::string before = "; Arbeitsplätze\r\n\r\n" + Entry("001", "EMPFANG") + "\r\n";
    const std::string after = Entry("003", "BERATUNG1", "\n") + "  [004]  \n\tPCName = \n" + "Rest ohne Zeilenende";
    const std::string four = Entry("001", "A") + Entry("002", "B") + Entry("003", "C") + Entry("004", "D");
    const std::tuple<std::optional<std::string>, const char*, std::optional<std::string>> cases[] = {
        {before + Entry("002", "BERATUNG1") + "Zuletzt=heute\r\n\r\n" + after, "beratung1", before + after},
        {four + Entry("005", "BERATUNG1"), "BERATUNG1", std::nullopt},
        {"[001]\r\nPCName=\r\n", "", std::nullopt},
        {std::nullopt, "BERATUNG1", std::nullopt},
    };
    for (const auto& [list, name, expected] : cases) {
        SCOPED_TRACE(list.value_or("no list"));
        p.files.Delete(kList);
        if (list) p.files.Put(kList, *list);
        hub.settings.WriteText(Setting::PCName, name);
        ASSERT_FALSE(Run([&] { RemoveWorkstation(hub); }));
        EXPECT_EQ(p.files.ReadAll(kList), expected ? expected : list);
        EXPECT_EQ(log.empty(), !expected) << "written only when an entry goes";
    }
}

// Unloading the window, and a resize of the visible window (a minimize), remove the icon first.
TEST_F(ShutdownTest, UnloadAndResizeRemoveTheIconFirst) {
    for (const char* file : {"C:\\Daten\\DATEX.IHP", "C:\\Orvintal\\DATEX.IHP"}) p.files.Put(file, "x");
    ASSERT_TRUE(Run([&] { UnloadHubWindow(hub); }));
    EXPECT_EQ(log, (EventLog{"icon removed", "replace C:\\Daten\\DATEX.PCN", "delete C:\\Orvintal\\DATEX.IHP", "set Encoder"}));
    EXPECT_TRUE(p.files.Exists("C:\\Daten\\DATEX.IHP"));
    EXPECT_FALSE(MutexHeld());

    EXPECT_FALSE(Run([&] { OnHubResize(hub, false); }) || !log.empty());
    p.windows.Show(hub.Root, ShowState::Normal);
    EXPECT_TRUE(Run([&] { OnHubResize(hub, true); }));
    EXPECT_EQ(p.windows.Get(hub.Root).shown, ShowState::Hidden);
    EXPECT_EQ(log, EventLog{"icon removed"});
}

}  // namespace
}  // namespace kolvane
