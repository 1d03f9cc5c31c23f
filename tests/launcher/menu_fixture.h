#pragma once
// A hub whose start is complete, with its popup menu attached and the menu's windows played by the test: the
// popup returns the entries the test chooses, the printer dialog confirms, the prompt takes typed passwords.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "launcher/hub_menu.h"
#include "launcher/menu_dispatch.h"
#include "launcher_fixture.h"
#include "password/password_fixture.h"

namespace kolvane {

class FakePopupView : public PopupView {
public:
    explicit FakePopupView(MemoryWindows& windows) : windows_(windows) {}
    std::deque<int> choices;  // taken in order; none left: the popup is closed without a choice
    std::function<void()> whileOpen;
    std::vector<WindowId> foregroundAtTrack;  // the window in front each time the popup opened

    int Track(const PopupMenu&) override {
        foregroundAtTrack.push_back(windows_.foreground);
        if (whileOpen) whileOpen();
        if (choices.empty()) return 0;
        const int chosen = choices.front();
        choices.pop_front();
        return chosen;
    }

private:
    MemoryWindows& windows_;
};

class FakePrinterDialog : public PrinterDialog {
public:
    struct Shown {
        std::string title, preselected;
        friend bool operator==(const Shown&, const Shown&) = default;
    };
    std::vector<Shown> shown;
    std::string confirmed;  // the printer the user confirms; empty: the preselected one

    std::string ChooseDefault(const std::string& title, const std::string& preselected) override {
        shown.push_back({title, preselected});
        return confirmed.empty() ? preselected : confirmed;
    }
};

class MenuTest : public LauncherTest {
protected:
    MenuTest() {
        hubMenu.popupView = &popupView;
        hubMenu.printerDialog = &printerDialog;
        hubMenu.gate.prompt = &prompt;
        hub.symbolTag = "1";
        p.files.Put(DatabaseFile(hub, "DATEX.DAT"), DatabaseWithPassword(""));
        p.dialogs.printers = {"Kyocera FS-1020", "HP LaserJet"};
    }

    void Build(const MenuLayout& layout = {}) { BuildMenu(hub, layout); }
    // The number of the entry with this caption; fails the test when there is none.
    int Number(const std::string& caption) const {
        for (int n = 1; n <= hubMenu.popup.Count(); ++n)
            if (hubMenu.popup.Entry(n).caption == caption) return n;
        ADD_FAILURE() << "no entry \"" << caption << "\"";
        return 0;
    }
    const PopupEntry& Entry(const std::string& caption) const { return hubMenu.popup.Entry(Number(caption)); }
    void Choose(const std::string& caption) { cP_Click(hub, hubMenu, Number(caption)); }
    void SetPassword(const std::string& password) {
        p.files.Put(DatabaseFile(hub, "DATEX.DAT"), DatabaseWithPassword(password));
        hub.settings.WriteInt(Setting::Encoder, 0);
    }

    HubMenu hubMenu;
    MenuAttachment attachment{hub, hubMenu};
    FakePopupView popupView{p.windows};
    FakePrinterDialog printerDialog;
    FakePasswortView prompt;
};

}  // namespace kolvane
