#include "launcher/settings_action.h"

#include "launcher_fixture.h"

namespace kolvane {
namespace {

class SettingsActionTest : public LauncherTest {
protected:
    SettingsActionTest() {
        // The command box only records here: what "$Ende$" then does is the command channel's affair.
        p.windows.Get(hub.Text1).onChange = nullptr;
        PutProgram("KOLVANE.EXE");
        p.shell.onStart = [this](const MemoryShell::Started&) { captionAtStart = p.windows.GetText(hub.Root); };
    }
    bool Closed() { return p.windows.GetText(hub.Text1) == "$Ende$"; }
    std::string captionAtStart;
};

TEST_F(SettingsActionTest, AChangedMenuLayoutRestartsTheHub) {
    struct Case {
        const char* name;
        const char* setting;
        std::optional<RegData> before, after;
        bool restart;
    };
    const Case cases[] = {
        {"Steuererkl\xE4rung", "Steuererkl\xE4rung", std::nullopt, DwordValue(0), true},
        {"Explorer", "Explorer", DwordValue(1), DwordValue(0), true},
        {"Drucker", "Drucker", DwordValue(0), DwordValue(1), true},
        {"Dienststellen", "Dienststellen", DwordValue(1), DwordValue(2), true},
        {"Bibliothek", "Bibliothek", DwordValue(0), std::nullopt, true},
        {"Beitr\xE4ge", "Beitr\xE4ge", DwordValue(1), DwordValue(2), true},
        {"the default written as such", "Explorer", std::nullopt, DwordValue(1), false},
        {"the same value as text", "Drucker", DwordValue(1), SzValue("1"), false},
        {"Versetzung is no layout value here", "Versetzung", DwordValue(0), DwordValue(1), false},
        {"unchanged", "Explorer", DwordValue(0), DwordValue(0), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Store(c.setting, c.before);
        p.windows.SetText(hub.Root, kHubCaption);
        p.windows.SetText(hub.Text1, "");
        p.shell.started.clear();
        const MenuLayoutValues before = ReadMenuLayoutValues(hub);
        Store(c.setting, c.after);  // as the options dialog would save it

        RestartIfMenuLayoutChanged(hub, before);

        if (c.restart) {
            EXPECT_EQ(p.shell.started,
                      (std::vector<MemoryShell::Started>{{Quoted("KOLVANE.EXE"), ShowState::Normal}}));
            EXPECT_EQ(captionAtStart, "Dritte InstanzBrekkan Orvintal  ");
            EXPECT_TRUE(Closed());
        } else {
            EXPECT_TRUE(p.shell.started.empty());
            EXPECT_EQ(p.windows.GetText(hub.Root), kHubCaption);
            EXPECT_FALSE(Closed());
        }
        Store(c.setting, std::nullopt);
    }
}

TEST_F(SettingsActionTest, AHubThatCannotStartItsSuccessorStays) {
    p.files.Delete(ProgramFile(hub, "KOLVANE.EXE"));
    const MenuLayoutValues before = ReadMenuLayoutValues(hub);
    Store("Explorer", DwordValue(0));
    RestartIfMenuLayoutChanged(hub, before);
    EXPECT_FALSE(Closed());
    EXPECT_EQ(p.windows.GetText(hub.Root), kHubCaption);
    EXPECT_EQ(p.dialogs.shown, (std::vector<MessageBoxRequest>{
                                   {"Orvintal konnte nicht neu gestartet werden.\nDie ge\xE4nderte Men\xFC" "anordnung "
                                    "wird beim n\xE4" "chsten Start von Orvintal wirksam.",
                                    "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation}}));
}

}  // namespace
}  // namespace kolvane
