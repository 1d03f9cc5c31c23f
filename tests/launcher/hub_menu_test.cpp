#include "launcher/hub_menu.h"

#include "hub/tray_symbol.h"
#include "menu_fixture.h"

namespace kolvane {
namespace {

class HubMenuTest : public MenuTest {
protected:
    HubMenuTest() {
        for (const char* program : {"ACCOUNTS.EXE", "QUILL.EXE", "LINKPORT.EXE", "HINTFEED.EXE"}) PutProgram(program);
        Build();
    }
    std::vector<std::string> StartedPrograms() const {
        std::vector<std::string> programs;
        for (const auto& start : p.shell.started) {
            const std::string& line = start.commandLine;
            const std::size_t name = line.rfind('\\') + 1;
            programs.push_back(line.substr(name, line.find('"', name) - name));
        }
        return programs;
    }
};

TEST_F(HubMenuTest, PressesOnTheIcon) {
    struct Case {
        const char* name;
        int lParam;
        int maustaste;
        const char* password;
        std::vector<std::string> typed;
        int popups;
        std::vector<std::string> started;
    };
    const Case cases[] = {
        {"right press", kSymbolRightPress, 0, "", {}, 1, {"ACCOUNTS.EXE"}},
        {"right press with a quick action set", kSymbolRightPress, 3, "", {}, 1, {"ACCOUNTS.EXE"}},
        {"left press", kSymbolLeftPress, 0, "", {}, 1, {"ACCOUNTS.EXE"}},
        {"left press, quick action", kSymbolLeftPress, 3, "", {}, 0, {"QUILL.EXE"}},
        {"left press, no such quick action", kSymbolLeftPress, 9, "", {}, 0, {}},
        {"password first", kSymbolRightPress, 0, "Geheim", {"Geheim"}, 1, {"ACCOUNTS.EXE"}},
        {"quick action behind the password", kSymbolLeftPress, 2, "Geheim", {"x", "Geheim"}, 0, {"LINKPORT.EXE"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetPassword(c.password);
        hub.settings.WriteInt(Setting::Maustaste, static_cast<std::int16_t>(c.maustaste));
        prompt = {};
        prompt.typed.assign(c.typed.begin(), c.typed.end());
        popupView.foregroundAtTrack.clear();
        popupView.choices = {Number("Mitglieder verwalten  ")};
        p.shell.started.clear();
        p.windows.foreground = kNoWindow;

        OnSymbolMouse(hub, c.lParam);

        EXPECT_EQ(static_cast<int>(popupView.foregroundAtTrack.size()), c.popups);
        for (WindowId front : popupView.foregroundAtTrack)
            EXPECT_EQ(front, hub.Root) << "in front before the popup opens, so that a click elsewhere closes it";
        EXPECT_EQ(StartedPrograms(), c.started);
        EXPECT_EQ(prompt.shown, *c.password ? 1 : 0);
        EXPECT_EQ(hub.settings.ReadInt(Setting::Encoder), 1);
    }
}

// A press while the popup is open opens no second one; closed without a choice, it runs nothing.
TEST_F(HubMenuTest, ClosedPopupRunsNothing) {
    popupView.whileOpen = [&] { OnSymbolMouse(hub, kSymbolRightPress); };
    OnSymbolMouse(hub, kSymbolRightPress);
    EXPECT_EQ(popupView.foregroundAtTrack.size(), 1u);
    EXPECT_TRUE(p.shell.started.empty());
    EXPECT_TRUE(hubMenu.tItemNr.empty());
}

// The prompt pumps messages while it waits: presses and quick actions arrive in the middle of it.
TEST_F(HubMenuTest, NothingGetsPastAnUnansweredPrompt) {
    SetPassword("Geheim");
    hub.settings.WriteInt(Setting::Maustaste, 1);
    prompt.whileOpen = [&] {
        OnSymbolMouse(hub, kSymbolLeftPress);
        OnSymbolMouse(hub, kSymbolRightPress);
        cP_Click(hub, hubMenu, Number("Mitglieder verwalten  "));
        EXPECT_TRUE(p.shell.started.empty());
        EXPECT_TRUE(popupView.foregroundAtTrack.empty());
    };
    prompt.typed = {"Geheim"};
    OnSymbolMouse(hub, kSymbolLeftPress);
    EXPECT_EQ(prompt.shown, 1);
    EXPECT_EQ(StartedPrograms(), std::vector<std::string>{"ACCOUNTS.EXE"}) << "once, after the prompt";
}

// An action may wait long (the temporary database, a component's start); the icon answers meanwhile, and the
// entry disabled for a missing program is the one its own choice came from.
TEST_F(HubMenuTest, IconAnswersWhileAnActionWaits) {
    p.files.Delete(ProgramFile(hub, "LINKPORT.EXE"));
    bool again = true;
    p.shell.onStart = [&](const MemoryShell::Started&) {
        if (!again) return;
        again = false;
        popupView.choices = {Number("Interface Explorer  ")};
        OnSymbolMouse(hub, kSymbolRightPress);
    };
    popupView.choices = {Number("Mitglieder verwalten  ")};
    OnSymbolMouse(hub, kSymbolRightPress);
    EXPECT_EQ(popupView.foregroundAtTrack.size(), 2u);
    EXPECT_FALSE(Entry("Interface Explorer  ").enabled);
    EXPECT_TRUE(Entry("Mitglieder verwalten  ").enabled);
}

}  // namespace
}  // namespace kolvane
