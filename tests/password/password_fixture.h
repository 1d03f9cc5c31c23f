#pragma once
// The password prompt as a test plays it: what the user types in turn, and what happens while it is open; and the
// header of a member database that holds the password.
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

// A configured member database, with the password when one is given.
inline std::string DatabaseWithPassword(const std::string& password) {
    return ConfiguredDatabase() + (password.empty() ? "" : *Crypt("Key") + "=" + *Crypt(password) + "\r\n");
}

}  // namespace kolvane
