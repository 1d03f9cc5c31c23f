#include "password/access_gate.h"

#include <optional>

#include "password/stored_password.h"
#include "password_fixture.h"

namespace kolvane {
namespace {

class AccessGateTest : public PasswordTest {
protected:
    AccessGateTest() { gate.prompt = &prompt; }
    int Encoder() { return hub.settings.ReadInt(Setting::Encoder); }

    FakePasswortView prompt;
    AccessGate gate;
    struct : KennwortView {
        int shown = 0;
        void ShowModal(Hub&, KennwortForm&) override { ++shown; }
    } change;
};

// A wrong password only empties the field and is never reported. One that cannot be read lets this request on,
// but does not mark the run as passed: the prompt must come once it can be read.
TEST_F(AccessGateTest, PromptOnlyWhereThisRunHasNotPassedAndThePasswordCanBeRead) {
    struct Case {
        int encoder;
        std::optional<std::string> database;  // none: out of reach
        std::vector<std::string> typed, fieldAfterEach;
        int encoderAfter;
        std::size_t notices;
    };
    const Case cases[] = {
        {0, DatabaseWithPassword(""), {}, {}, 1, 0},
        {1, DatabaseWithPassword("Geheim"), {}, {}, 1, 0},
        {0, DatabaseWithPassword("Geheim"), {"geheim", "", "Geheim ", "Geheim"}, {"", "", "", "Geheim"}, 1, 0},
        {0, std::nullopt, {}, {}, 0, 0},
        {0, "[001]\r\nX=Y\r\n", {}, {}, 0, 0},
        // "\x93" and the key's first byte give code 0: no stored text of the suite looks like this.
        {0, ConfiguredDatabase() + *Crypt("Key") + "=\x93\x99\r\n", {}, {}, 0, 1},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const Case& c = cases[i];
        p.files.Delete(DatabasePath());
        if (c.database) p.files.Put(DatabasePath(), *c.database);
        hub.settings.WriteInt(Setting::Encoder, static_cast<std::int16_t>(c.encoder));
        p.dialogs.shown.clear();
        prompt = {};
        prompt.typed.assign(c.typed.begin(), c.typed.end());
        EXPECT_TRUE(PassAccessGate(hub, gate));
        EXPECT_EQ(prompt.shown, c.typed.empty() ? 0 : 1);
        EXPECT_EQ(prompt.afterEach, c.fieldAfterEach);
        EXPECT_EQ(Encoder(), c.encoderAfter);
        EXPECT_EQ(p.dialogs.shown.size(), c.notices);
    }
    PutDatabase("Geheim");
    gate.prompt = nullptr;  // no window for a needed prompt: the gate stays shut
    EXPECT_FALSE(PassAccessGate(hub, gate));
    EXPECT_EQ(Encoder(), 0);
}

// The prompt pumps messages while it waits: neither a second request nor the change dialog gets past it. A
// cancelled prompt closes the hub through its command box and leaves the run locked.
TEST_F(AccessGateTest, NothingGetsPastAnOpenOrCancelledPrompt) {
    PutDatabase("Geheim");
    std::vector<bool> duringPrompt;
    prompt.whileOpen = [&] {
        duringPrompt.push_back(PassAccessGate(hub, gate));
        ChangeAccessPassword(hub, gate, change);
    };
    prompt.typed = {"Geheim"};
    EXPECT_TRUE(PassAccessGate(hub, gate));
    EXPECT_EQ(duringPrompt, std::vector<bool>{false});
    EXPECT_EQ(change.shown, 0);
    hub.settings.WriteInt(Setting::Encoder, 0);
    prompt = {};
    prompt.typed = {"geheim"};
    EXPECT_THROW(PassAccessGate(hub, gate), ProcessTerminated);
    EXPECT_TRUE(SentClose(p, hub));
    EXPECT_EQ(Encoder(), 0);
}

// Only someone who knows the current password reaches the change dialog.
TEST_F(AccessGateTest, ChangeDialogOnlyBehindTheCurrentPassword) {
    ChangeAccessPassword(hub, gate, change);  // the database is out of reach
    EXPECT_EQ(p.dialogs.shown.at(0).text, kPasswordUnreadable);
    PutDatabase("");
    ChangeAccessPassword(hub, gate, change);
    PutDatabase("Geheim");
    prompt.typed = {"Geheim"};
    ChangeAccessPassword(hub, gate, change);
    EXPECT_EQ(prompt.shown, 1);
    EXPECT_EQ(change.shown, 2);
    prompt.typed = {"geheim"};
    EXPECT_THROW(ChangeAccessPassword(hub, gate, change), ProcessTerminated);
    EXPECT_EQ(change.shown, 2);
    EXPECT_EQ(p.dialogs.shown.size(), 1u);
}

TEST_F(AccessGateTest, PromptNamesTheRegisteredOwner) {
    EXPECT_EQ(LoadPasswortForm(hub).Text1List, std::vector<std::string>{"Benutzer"});
    const RegKeyPath windowsNt = kWindowsOwnerKeys[1];
    RegCreateKey(p.registry, windowsNt.root, windowsNt.path, "");
    RegSetSetting(p.registry, windowsNt.root, windowsNt.path, kRegisteredOwnerValue, std::string("NT-Benutzer"));
    EXPECT_EQ(LoadPasswortForm(hub).Text1, "NT-Benutzer");
    hub.settings.WriteText(Setting::RegisteredOwner, "Lohnsteuerhilfe M\xFCnster e.V.");
    EXPECT_EQ(LoadPasswortForm(hub).Text1, "Lohnsteuerhilfe M\xFCnster e.V.");
}

// Every confirmation stores the check box, a wrong one too, and the next prompt starts with it. A database gone
// at the confirmation is told, and no database is made for the check box.
TEST_F(AccessGateTest, ConfirmationStoresTheCheckBox) {
    PutDatabase("\xC4rger");
    EXPECT_FALSE(LoadPasswortForm(hub).BVordergrund) << "never confirmed yet";
    for (const auto& [keepInFront, typed] : {std::pair(true, "\xE4rger"), std::pair(false, "\xC4rger")}) {
        PasswortForm form = LoadPasswortForm(hub);
        form.BVordergrund = keepInFront;
        form.Text2 = typed;
        EXPECT_EQ(PasswortReady(hub, form), keepInFront ? PromptAnswer::Wrong : PromptAnswer::Right);
        EXPECT_EQ(form.BReadyEnabled, keepInFront);
        EXPECT_EQ(LoadPasswortForm(hub).BVordergrund, keepInFront);
    }
    EXPECT_EQ(Stored("Key"), "\xC4rger") << "the prompt never changes the password";
    p.files.Delete(DatabasePath());
    PasswortForm form = LoadPasswortForm(hub);
    form.Text2 = "\xC4rger";
    form.BVordergrund = true;
    EXPECT_EQ(PasswortReady(hub, form), PromptAnswer::Wrong);
    EXPECT_EQ(p.dialogs.shown, (std::vector<MessageBoxRequest>{{kPasswordUnreadable, "Brekkan Orvintal   ",
                                                                MsgButtons::Ok, MsgIcon::Exclamation}}));
    EXPECT_FALSE(p.files.Exists(DatabasePath()));
}

}  // namespace
}  // namespace kolvane
