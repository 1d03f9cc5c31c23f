#include "password/access_gate.h"

#include "launcher/launcher_fixture.h"
#include "password/stored_password.h"

namespace kolvane {
namespace {

using AccessGateTest = LauncherTest;

// A wrong password only empties the field and is never reported. One that cannot be read lets this request on,
// but does not mark the run as passed: the prompt must come once it can be read. Outcome: the password field
// after each confirmation, `Encoder` afterwards, the number of messages.
TEST_F(AccessGateTest, PromptOnlyWhereThisRunHasNotPassedAndThePasswordCanBeRead) {
    using Outcome = std::tuple<std::vector<std::string>, int, std::size_t>;
    const struct {
        std::int16_t encoder;
        std::optional<std::string> database;  // none: out of reach
        std::vector<std::string> typed;
        Outcome outcome;
    } cases[] = {
        {0, DatabaseWithPassword(""), {}, {{}, 1, 0}},
        {1, DatabaseWithPassword("Geheim"), {}, {{}, 1, 0}},
        {0, DatabaseWithPassword("Geheim"), {"geheim", "", "Geheim ", "Geheim"}, {{"", "", "", "Geheim"}, 1, 0}},
        {0, std::nullopt, {}, {{}, 0, 0}},
        {0, "[001]\r\nX=Y\r\n", {}, {{}, 0, 0}},
        // "\x93" and the key's first byte give code 0: no stored text of the suite looks like this.
        {0, ConfiguredDatabase() + *Crypt("Key") + "=\x93\x99\r\n", {}, {{}, 0, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        Launcher s;
        if (c.database) s.p.files.Put(s.Database(), *c.database);
        else s.p.files.Delete(s.Database());
        s.hub.settings.WriteInt(Setting::Encoder, c.encoder);
        s.prompt.typed.assign(c.typed.begin(), c.typed.end());
        EXPECT_TRUE(PassAccessGate(s.hub, s.hub.accessGate));
        EXPECT_EQ(s.prompt.shown, c.typed.empty() ? 0 : 1);
        EXPECT_EQ(Outcome(s.prompt.afterEach, s.hub.settings.ReadInt(Setting::Encoder), s.p.dialogs.shown.size()), c.outcome);
    }
    PutDatabase("Geheim");
    hub.accessGate.prompt = nullptr;  // no window for a needed prompt: the gate stays shut
    EXPECT_FALSE(PassAccessGate(hub, hub.accessGate));
    EXPECT_EQ(hub.settings.ReadInt(Setting::Encoder), 0);
}

// Only someone who knows the current password reaches the change dialog. The prompt pumps messages while it waits:
// neither a second request nor the change dialog gets past it. A cancelled prompt closes the hub through its
// command box, opens no change dialog and leaves the run locked.
TEST_F(AccessGateTest, ChangeDialogOnlyBehindTheCurrentPasswordAndNothingPastAnOpenPrompt) {
    struct : KennwortView { int shown = 0; void ShowModal(Hub&, KennwortForm&) override { ++shown; } } change;
    p.files.Delete(Database());
    ChangeAccessPassword(hub, hub.accessGate, change);
    EXPECT_EQ(p.dialogs.shown.at(0).text, kPasswordUnreadable);
    PutDatabase("");
    ChangeAccessPassword(hub, hub.accessGate, change);
    PutDatabase("Geheim");
    std::vector<bool> duringPrompt;
    prompt.whileOpen = [&] {
        duringPrompt.push_back(PassAccessGate(hub, hub.accessGate));
        ChangeAccessPassword(hub, hub.accessGate, change);
    };
    prompt.typed = {"Geheim"};
    ChangeAccessPassword(hub, hub.accessGate, change);
    EXPECT_EQ(std::pair(prompt.shown, change.shown), std::pair(1, 2));
    prompt.typed = {"geheim"};
    EXPECT_THROW(ChangeAccessPassword(hub, hub.accessGate, change), ProcessTerminated);
    EXPECT_EQ(std::tuple(change.shown, SentClose(p, hub), hub.settings.ReadInt(Setting::Encoder), duringPrompt),
              std::tuple(2, true, 0, std::vector<bool>(2, false)));
}

// Equal fields store the password scrambled, two empty ones remove it. What the scrambler cannot carry is refused,
// for it would be stored as an empty value, which removes the password; so is a failed save, with the fields kept.
TEST_F(AccessGateTest, ChangeStoresEqualFieldsAndRefusesTheRest) {
    const struct {
        std::string password, confirmation;
        const char* told;  // the start of the message; null: stored
    } cases[] = {
        {"Kl\xE4rung 2026!", "Kl\xE4rung 2026!", nullptr},
        {std::string(254, 'a'), std::string(254, 'a'), nullptr},
        {"", "", nullptr},
        {"Neu", "neu", "Beide Kennw\xF6rter m\xFCssen aus Sicherheitsgr\xFCnden \xFC" "bereinstimmen.  "},
        {std::string(255, 'a'), std::string(255, 'a'), "Das Kennwort ist zu lang"},
        {"\x93Geheim\x94", "\x93Geheim\x94", "Das Kennwort enth\xE4lt Zeichen"},
        {"\xB3", "\xB3", "Das Kennwort enth\xE4lt Zeichen"},  // scrambles to a blank at the end
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.password.substr(0, 20) + " / " + c.confirmation.substr(0, 20));
        PutDatabase("Alt");
        p.dialogs.shown.clear();
        KennwortForm form{c.password, c.confirmation};
        const bool mismatch = c.password != c.confirmation;
        EXPECT_EQ(KennwortApply(hub, form), c.told ? ChangeAnswer::Stay : ChangeAnswer::Stored);
        EXPECT_EQ(ReadStoredPassword(hub), c.told ? "Alt" : c.password);
        EXPECT_TRUE(c.password.empty() || p.files.ReadAll(Database())->find(c.password) == std::string::npos);
        ASSERT_EQ(p.dialogs.shown.size(), c.told ? 1u : 0u);
        if (!c.told) continue;
        EXPECT_EQ(p.dialogs.shown[0].text.rfind(c.told, 0), 0u) << p.dialogs.shown[0].text;
        EXPECT_EQ(p.dialogs.shown[0].icon, mismatch ? MsgIcon::Critical : MsgIcon::Exclamation);
        EXPECT_EQ(form.tKennwort + "|" + form.tBestaetigung, mismatch ? c.password + "|" : "|");
        EXPECT_EQ(form.focus, mismatch ? KennwortForm::Field::tBestaetigung : KennwortForm::Field::tKennwort);
    }
    p.files.Delete(Database());
    p.dialogs.shown.clear();
    KennwortForm form{"Neu", "Neu"};
    EXPECT_EQ(KennwortApply(hub, form), ChangeAnswer::Stay);
    EXPECT_EQ(std::tuple(form.tKennwort, p.dialogs.shown.size(), p.files.Exists(Database())),
              std::tuple(std::string("Neu"), std::size_t{1}, false)) << "told why, the fields kept, no database made";
}

// The prompt names the registered owner: the one Windows was registered to (the suite's own comes first, as the
// end-to-end prompt shows), else a plain "Benutzer". Every
// confirmation stores the check box, a wrong one too, and the next prompt starts with it; a database gone at the
// confirmation is told, and none is made for the check box.
TEST_F(AccessGateTest, PromptNamesTheOwnerAndKeepsTheCheckBox) {
    PutDatabase("\xC4rger");
    EXPECT_EQ(LoadPasswortForm(hub).Text1List, std::vector<std::string>{"Benutzer"});
    const auto [root, path] = kWindowsOwnerKeys[1];
    RegCreateKey(p.registry, root, path, "");
    RegSetSetting(p.registry, root, path, kRegisteredOwnerValue, std::string("NT-Benutzer"));
    PasswortForm form = LoadPasswortForm(hub);
    EXPECT_EQ(std::pair(form.Text1, form.BVordergrund), std::pair(std::string("NT-Benutzer"), false));
    form.BVordergrund = true;
    form.Text2 = "\xE4rger";
    EXPECT_EQ(PasswortReady(hub, form), PromptAnswer::Wrong);
    EXPECT_TRUE(LoadPasswortForm(hub).BVordergrund);
    EXPECT_EQ(ReadStoredPassword(hub), "\xC4rger") << "the prompt never changes the password";
    p.files.Delete(Database());
    EXPECT_EQ(PasswortReady(hub, form), PromptAnswer::Wrong);
    EXPECT_EQ(p.dialogs.shown, (std::vector<MessageBoxRequest>{{kPasswordUnreadable, "Brekkan Orvintal   ",
                                                                MsgButtons::Ok, MsgIcon::Exclamation}}));
    EXPECT_FALSE(p.files.Exists(Database()));
}

}  // namespace
}  // namespace kolvane
