#pragma once
// A hub of an installed system with its member database, and the password prompt as a test plays it: what the
// user types in turn, and what happens while it is open.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "hub/hub_fixture.h"
#include "password/password_prompt.h"
#include "store/crypt.h"

namespace kolvane {

// Each typed text is confirmed in turn; when none is left the user cancels.
class FakePasswortView : public PasswortView {
public:
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

// The header of a configured member database, with the password when one is given.
inline std::string DatabaseWithPassword(const std::string& password) {
    std::string bytes = ConfiguredDatabase();
    if (!password.empty()) bytes += *Crypt("Key") + "=" + *Crypt(password) + "\r\n";
    return bytes;
}

class PasswordTest : public HubTest {
protected:
    PasswordTest() {
        RegCreateKey(p.registry, kSettingsKey.root, kSettingsKey.path, "");
        hub.LrDatabase = "C:\\Orvintal\\Daten\\";
    }
    std::string DatabasePath() const { return DatabaseFile(hub, "DATEX.DAT"); }
    void PutDatabase(const std::string& password) { p.files.Put(DatabasePath(), DatabaseWithPassword(password)); }
    // The plain value of a key of the header section, as the components read it; "?" when it does not unscramble.
    std::string Stored(const std::string& key) {
        const std::string raw = p.ini.Read(DatabasePath(), "000", *Crypt(key));
        return raw.empty() ? std::string() : Crypt(raw).value_or("?");
    }
};

}  // namespace kolvane
