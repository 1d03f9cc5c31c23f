#pragma once
// A hub whose start is complete, with its popup menu attached and the password prompt played by the test: the
// prompt takes typed passwords.
// Its files can be made to fail a copy or to come out short (a full disk, a file held open elsewhere).
#include <cmath>
#include <deque>
#include <sstream>

#include "hub/hub_fixture.h"
#include "launcher/component_table.h"
#include "launcher/menu_dispatch.h"
#include "password/password_prompt.h"

namespace kolvane {

// Each typed text is confirmed in turn; when none is left the user cancels.
struct FakePasswortView : PasswortView {
    std::deque<std::string> typed;
    std::function<void()> whileOpen;
    int shown = 0;
    std::vector<std::string> afterEach;  // the password field after each confirmation
    void ShowModal(Hub& hub, PasswortForm& form) override {
        ++shown;
        if (whileOpen) whileOpen();
        while (!typed.empty()) {
            form.Text2 = typed.front();
            typed.pop_front();
            const PromptAnswer answer = PasswortReady(hub, form);
            afterEach.push_back(form.Text2);
            if (answer == PromptAnswer::Right) return;
        }
        PasswortCancel(hub);
    }
};

// A configured member database, with the password when one is given.
inline std::string DatabaseWithPassword(const std::string& password) {
    return ConfiguredDatabase() + (password.empty() ? "" : Line("Key", password));
}

struct RecordingMenu : MenuEntries {
    std::vector<int> disabled;
    void Disable(int itemNr) override { disabled.push_back(itemNr); }
};

// A refused copy fails; a short one reports success but holds only the first half.
enum class CopyFault { None, Refused, Truncated };

struct Launcher {
    Launcher() {
        p.files.onChange = [this](const FileChange& change) -> std::optional<bool> {
            if (change.kind != FileChange::Kind::Copy || copyFault == CopyFault::None) return std::nullopt;
            const std::string bytes = p.files.ReadAll(change.path).value_or("");
            return copyFault == CopyFault::Truncated && (p.files.Put(change.to, bytes.substr(0, bytes.size() / 2)), true);
        };
        hub.Root = p.windows.Create(kHubClass, kHubCaption);
        hub.Text1 = p.windows.Create(kCommandBoxClass, "", hub.Root);
        RegCreateKey(p.registry, kSettingsKey.root, kSettingsKey.path, "");
        hub.LrDatabase = "C:\\Orvintal\\Daten\\";
        hub.symbolTag = "1";
        PutDatabase("");
        p.files.Put(DatabaseFile(hub, "DATEX.IHP"), "IHP");  // the temporary database is ready: no waits
        hub.accessGate.prompt = &prompt;
    }
    std::string Database() const { return DatabaseFile(hub, "DATEX.DAT"); }
    void PutDatabase(const std::string& password) { p.files.Put(Database(), DatabaseWithPassword(password)); }
    // A file of the component folder, "NAME" holding its name or "NAME=BYTES".
    void Put(const std::string& file) {
        const std::size_t eq = file.find('=');
        p.files.Put(ProgramFile(hub, file.substr(0, eq)), eq == std::string::npos ? file : file.substr(eq + 1));
    }
    void Choose(ActionKey key, int itemNr = 7) { RunAction(hub, key, {menu, itemNr}); }
    void Store(const std::string& name, const std::optional<RegData>& data) { StoreSetting(p, name, data); }
    // What the user sees the actions do, kind by kind: the command lines started, with "%" for the quote and folder
    // that begin a component's path; the documents opened; the entries disabled; the first words of each message.
    // A window shown other than normal is marked "!"; the time waited comes last.
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
        if (p.clock.Elapsed() > 0) lines.push_back("waited " + std::to_string(std::lround(p.clock.Elapsed() * 1000)) + " ms");
        return lines;
    }
    // The number of the popup entry with this caption; fails the test when there is none.
    int Number(const std::string& caption) const {
        for (int n = 1; n <= hubMenu.popup.Count(); ++n)
            if (hubMenu.popup.Entry(n).caption == caption) return n;
        ADD_FAILURE() << "no entry \"" << caption << "\"";
        return 0;
    }
    // The captions of a submenu's entries (the top level's for ""), in order.
    std::vector<std::string> Captions(const std::string& parent) const {
        std::vector<std::string> captions;
        for (const PopupEntry& e : hubMenu.popup.Entries())
            if ((e.parent ? hubMenu.popup.Entry(e.parent).caption : "") == parent) captions.push_back(e.caption);
        return captions;
    }

    MemoryPlatform p;
    CopyFault copyFault = CopyFault::None;
    Hub hub{p.os};
    RecordingMenu menu;
    FakePasswortView prompt;
    HubMenu hubMenu;
    MenuAttachment attachment{hub, hubMenu};
};

class LauncherTest : public ::testing::Test, public Launcher {};

}  // namespace kolvane
