#pragma once
// A hub whose start is complete, with its popup menu attached and the menu's windows played by the test: the
// popup returns the entries the test chooses, the printer dialog confirms, the prompt takes typed passwords.
// Its files can be made to fail a copy or to come out short (a full disk, a file held open elsewhere).
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "launcher/component_table.h"
#include "launcher/hub_menu.h"
#include "launcher/menu_dispatch.h"
#include "password/password_fixture.h"

namespace kolvane {

class RecordingMenu : public MenuEntries {
public:
    std::vector<int> disabled;
    void Disable(int itemNr) override { disabled.push_back(itemNr); }
};

class FaultyFiles : public MemoryFiles {
public:
    using MemoryFiles::MemoryFiles;
    enum class CopyFault { None, Refused, Truncated } copyFault = CopyFault::None;
    // The short copy reports success but holds only the first half.
    bool Copy(const std::string& from, const std::string& to) override {
        const std::string bytes = ReadAll(from).value_or("");
        if (copyFault == CopyFault::None) return MemoryFiles::Copy(from, to);
        return copyFault == CopyFault::Truncated && WriteAll(to, bytes.substr(0, bytes.size() / 2));
    }
};

class FakePopupView : public PopupView {
public:
    int choice = 0;  // the entry the user chooses the next time; 0: the popup is closed without a choice
    int opened = 0;
    std::function<void()> whileOpen;
    int Track(const PopupMenu&) override {
        ++opened;
        if (whileOpen) whileOpen();
        return std::exchange(choice, 0);
    }
};

class FakePrinterDialog : public PrinterDialog {
public:
    std::vector<std::string> preselected;
    std::string confirmed;  // the printer the user confirms; empty: the preselected one
    std::string ChooseDefault(const std::string&, const std::string& printer) override {
        preselected.push_back(printer);
        return confirmed.empty() ? printer : confirmed;
    }
};

struct Launcher {
    Launcher() {
        hub.Root = p.windows.Create(kHubClass, kHubCaption);
        hub.Text1 = p.windows.Create(kCommandBoxClass, "", hub.Root);
        RegCreateKey(p.registry, kSettingsKey.root, kSettingsKey.path, "");
        hub.LrDatabase = "C:\\Orvintal\\Daten\\";
        hub.symbolTag = "1";
        p.files.Put(DatabaseFile(hub, "DATEX.DAT"), DatabaseWithPassword(""));
        p.files.Put(DatabaseFile(hub, "DATEX.IHP"), "IHP");  // the temporary database is ready: no waits
        p.dialogs.printers = {"Kyocera FS-1020", "HP LaserJet"};
        hubMenu.popupView = &popupView;
        hubMenu.printerDialog = &printerDialog;
        hubMenu.gate.prompt = &prompt;
    }
    // A file of the component folder; its bytes are its name unless given.
    void Put(const std::string& name, const std::optional<std::string>& bytes = {}) {
        p.files.Put(ProgramFile(hub, name), bytes.value_or(name));
    }
    void Choose(ActionKey key, int itemNr = 7) { RunAction(hub, key, {menu, itemNr}); }
    void Store(const std::string& name, const std::optional<RegData>& data) {
        p.registry.DeleteValue(kSettingsKey.root, kSettingsKey.path, name);
        if (data) p.registry.Put(kSettingsKey.root, kSettingsKey.path, name, *data);
    }
    // What the user sees the actions do, kind by kind: the command lines started, with "%" for the quote and folder
    // that begin a component's path; the documents opened; the entries disabled; the first words of each message.
    // A window shown other than normal is marked "!".
    std::vector<std::string> Outcome() const {
        std::vector<std::string> lines;
        const std::string component = "\"" + hub.programFolder + "\\";
        for (const MemoryShell::Started& s : p.shell.started) {
            const std::string line = s.commandLine + (s.show == ShowState::Normal ? "" : "!");
            lines.push_back(line.starts_with(component) ? "%" + line.substr(component.size()) : line);
        }
        for (const MemoryShell::Executed& e : p.shell.executed)
            lines.push_back(e.verb + " " + e.file + e.parameters + e.folder + (e.show == ShowState::Normal ? "" : "!"));
        for (int itemNr : menu.disabled) lines.push_back("disabled " + std::to_string(itemNr));
        for (const MessageBoxRequest& m : p.dialogs.shown) {
            std::istringstream text(m.text);
            std::string a, b, c;
            text >> a >> b >> c;
            lines.push_back("told " + a + " " + b + " " + c);
        }
        return lines;
    }
    // The number of the popup entry with this caption; fails the test when there is none.
    int Number(const std::string& caption) const {
        for (int n = 1; n <= hubMenu.popup.Count(); ++n)
            if (hubMenu.popup.Entry(n).caption == caption) return n;
        ADD_FAILURE() << "no entry \"" << caption << "\"";
        return 0;
    }
    const PopupEntry& Entry(const std::string& caption) const { return hubMenu.popup.Entry(Number(caption)); }
    void Click(const std::string& caption) { cP_Click(hub, hubMenu, Number(caption)); }

    MemoryPlatform p;
    FaultyFiles files{p.root};
    Platform os{p.registry, p.ini,   p.windows, p.tray,    p.shell,   p.kernel,
                files,      p.clock, p.dialogs, p.md5,     p.network, p.locks};
    Hub hub{os};
    RecordingMenu menu;
    FakePopupView popupView;
    FakePrinterDialog printerDialog;
    FakePasswortView prompt;
    HubMenu hubMenu;
    MenuAttachment attachment{hub, hubMenu};
};

class LauncherTest : public ::testing::Test, public Launcher {};

inline RegData SzValue(const std::string& text) { return {RegType::Sz, text + '\0'}; }
inline RegData DwordValue(std::int32_t value) {
    return {RegType::Dword, std::string(reinterpret_cast<const char*>(&value), sizeof value)};
}

}  // namespace kolvane
