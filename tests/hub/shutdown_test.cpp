#include "hub/shutdown.h"

#include "lifecycle_fixture.h"
#include "store/crypt.h"

namespace kolvane {
namespace {

constexpr char kList[] = "C:\\Daten\\DATEX.PCN";

// One workstation entry of DATEX.PCN as the components write it: the name scrambled.
std::string Entry(const std::string& section, const std::string& name, const std::string& lineEnd = "\r\n") {
    EXPECT_TRUE(CanStore(name)) << name;
    return "[" + section + "]" + lineEnd + "PCName=" + *Crypt(name) + lineEnd;
}

class ShutdownTest : public LifecycleTest {
protected:
    void ThisWorkstation(const std::string& name) { StoreText(Setting::PCName, name); }
    std::optional<std::string> List() { return p.files.ReadAll(kList); }
    bool Exit() {
        log.clear();
        return Ends([&] { ExitCommand(hub); });
    }
};

// Only the first section whose scrambled name matches this workstation's, in any letter case, leaves the list;
// every other byte stays, and a list without a match is not written at all.
TEST_F(ShutdownTest, OnlyTheMatchingSectionLeavesTheWorkstationList) {
    // Lines the profile functions under Wine would rewrite: comments, blank lines, bare LF, indentation,
    // a name without value, and no line break at the end.
    const std::string before = "; Arbeitsplätze\r\n\r\n" + Entry("001", "EMPFANG") + "\r\n";
    const std::string ours = Entry("002", "BERATUNG1") + "Zuletzt=heute\r\n\r\n";
    const std::string after = Entry("003", "Büro", "\n") + "  [004]  \n\tPCName = \n" + "Rest ohne Zeilenende";
    const std::string four = Entry("001", "EMPFANG") + Entry("002", "BERATUNG2") + Entry("003", "KASSE") +
                             Entry("004", "CHEF");
    struct Case {
        const char* name;
        std::optional<std::string> list;
        std::optional<std::string> registryName;
        std::optional<std::string> expected;  // the list as it was when empty
    };
    const Case cases[] = {
        {"same spelling", before + ours + after, "BERATUNG1", before + after},
        {"other letter case", before + ours + after, "beratung1", before + after},
        {"letters beyond ASCII", Entry("001", "BÜRO-PC") + Entry("002", "EMPFANG"), "büro-pc", Entry("002", "EMPFANG")},
        {"only the first of two", Entry("001", "BERATUNG1") + Entry("002", "EMPFANG") + Entry("003", "BERATUNG1"),
         "BERATUNG1", Entry("002", "EMPFANG") + Entry("003", "BERATUNG1")},
        {"four others", four, "BERATUNG1", std::nullopt},
        {"only a fifth section names it", four + Entry("005", "BERATUNG1"), "BERATUNG1", std::nullopt},
        {"name is part of another", Entry("001", "BERATUNG10"), "BERATUNG1", std::nullopt},
        {"no name in the registry", Entry("001", "BERATUNG1"), std::nullopt, std::nullopt},
        {"empty name in the registry", "[001]\r\nPCName=\r\n", "", std::nullopt},
        {"unscrambled entry", "[001]\r\nPCName=BERATUNG1\r\n", "BERATUNG1", std::nullopt},
        {"empty file", "", "BERATUNG1", std::nullopt},
        {"no file: not created", std::nullopt, "BERATUNG1", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        p.files.Delete(kList);
        if (c.list) p.files.Put(kList, *c.list);
        hub.settings.Delete(Setting::PCName);
        if (c.registryName) ThisWorkstation(*c.registryName);
        log.clear();

        RemoveWorkstation(hub);

        EXPECT_EQ(List(), c.expected ? c.expected : c.list);
        EXPECT_EQ(log.empty(), !c.expected) << "written only when an entry goes";
    }
}

TEST_F(ShutdownTest, ExitWithoutCloseAllEndsTheHubItself) {
    p.files.Put(kList, Entry("001", "BERATUNG1"));
    ThisWorkstation("BERATUNG1");
    p.files.Put("C:\\Daten\\BUDGET.XML", "x");
    p.files.Put("C:\\Orvintal\\DATEX.NET", "x");
    Peer("Brekkan PictHelp IDE");

    ASSERT_TRUE(Exit());

    EXPECT_EQ(log, (EventLog{
                       "replace C:\\Daten\\DATEX.PCN",
                       "delete C:\\Daten\\BUDGET.XML",
                       "delete C:\\Orvintal\\DATEX.NET",
                       "set Encoder",
                       "Timer1 off",
                       "Brekkan PictHelp IDE got $Ende$",
                       "icon removed",
                   }));
    EXPECT_EQ(List(), "");
    EXPECT_EQ(Int(Setting::Encoder), 0);
    EXPECT_NEAR(p.clock.Elapsed(), 2.0, 0.01) << "two waits of a second";
    EXPECT_FALSE(MutexHeld());
}

TEST_F(ShutdownTest, ExitEndsInTheCloseSequenceWhenCloseAllAsksTheHub) {
    p.files.Put("C:\\Orvintal\\CLOSEALL.EXE", "");
    Peer("Brekkan PictHelp IDE");
    // The close-all component asks every program of the suite to quit, the hub first.
    p.shell.onStart = [this](const MemoryShell::Started& started) {
        log.push_back("start " + started.commandLine);
        p.clock.Schedule(0.3, [this] { p.windows.SetText(hub.Text1, "$Ende$"); });
    };

    ASSERT_TRUE(Exit());

    EXPECT_EQ(log, (EventLog{
                       "set Encoder",
                       "start \"C:\\Orvintal\\CLOSEALL.EXE\"",
                       "set Encoder",
                       "set NowClose",
                       "Timer1 off",
                       "Timer2 off",
                       "Timer3 off",
                       "Timer4 off",
                       "caption Zweite InstanzBrekkan Orvintal  ",
                       "icon removed",
                   }));
    EXPECT_EQ(Int(Setting::NowClose), 1) << "only the close sequence leaves this";
    EXPECT_EQ(p.kernel.terminations, 1);
}

TEST_F(ShutdownTest, ExitKeepsTheContributionsBudgetWhenTheOptionSaysSo) {
    Store(Setting::NoTmpBeitrag, 0);
    p.files.Put("C:\\Daten\\BUDGET.XML", "x");
    ASSERT_TRUE(Exit());
    EXPECT_TRUE(p.files.Exists("C:\\Daten\\BUDGET.XML"));
}

TEST_F(ShutdownTest, UnloadRemovesTheIconFirstAndTheLocalIndexAlways) {
    for (std::int16_t noKill : {0, 1}) {
        SCOPED_TRACE("NoKillIHP " + std::to_string(noKill));
        p.tray.Add(TrayPicture::Ready, "Orvintal");
        Store(Setting::NoKillIHP, noKill);
        p.files.Put(kList, Entry("003", "BERATUNG1"));
        ThisWorkstation("BERATUNG1");
        p.files.Put("C:\\Daten\\DATEX.IHP", "x");
        p.files.Put("C:\\Orvintal\\DATEX.IHP", "x");
        log.clear();

        ASSERT_TRUE(Ends([&] { UnloadHubWindow(hub); }));

        EXPECT_EQ(log, (EventLog{"icon removed", "replace C:\\Daten\\DATEX.PCN", "delete C:\\Orvintal\\DATEX.IHP",
                                 "set Encoder"}));
        EXPECT_TRUE(p.files.Exists("C:\\Daten\\DATEX.IHP"));
        EXPECT_EQ(List(), "");
        EXPECT_FALSE(MutexHeld());
    }
}

TEST_F(ShutdownTest, OnlyAResizeOfTheVisibleWindowEndsTheHub) {
    log.clear();
    EXPECT_FALSE(Ends([&] { OnHubResize(hub, false); }));
    EXPECT_TRUE(log.empty());

    p.windows.Show(hub.Root, ShowState::Normal);
    EXPECT_TRUE(Ends([&] { OnHubResize(hub, true); }));
    EXPECT_EQ(p.windows.Get(hub.Root).shown, ShowState::Hidden);
    EXPECT_EQ(log, EventLog{"icon removed"});
    EXPECT_FALSE(MutexHeld());
}

}  // namespace
}  // namespace kolvane
