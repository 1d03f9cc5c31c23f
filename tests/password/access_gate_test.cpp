#include "password/access_gate.h"

#include <optional>

#include "password/stored_password.h"
#include "password_fixture.h"

namespace kolvane {
namespace {

class AccessGateTest : public PasswordTest {
protected:
    AccessGateTest() { gate.prompt = &prompt; }
    void SetEncoder(std::optional<int> value) {
        if (value) hub.settings.WriteInt(Setting::Encoder, static_cast<std::int16_t>(*value));
        else hub.settings.Delete(Setting::Encoder);
    }
    std::optional<std::int32_t> Encoder() {
        std::int32_t value = 0;
        if (!hub.settings.Get(Setting::Encoder, value)) return std::nullopt;
        return value;
    }

    FakePasswortView prompt;
    AccessGate gate;
};

TEST_F(AccessGateTest, PromptOnlyWhenThisRunHasNotPassedAndAPasswordIsSet) {
    struct Case {
        const char* name;
        std::optional<int> encoder;
        const char* password;
        std::vector<std::string> typed;
        int prompts;
        std::vector<std::string> fieldAfterEach;  // a wrong password only empties the field
    };
    const Case cases[] = {
        {"no password", 0, "", {}, 0, {}},
        {"no password, run flag missing", std::nullopt, "", {}, 0, {}},
        {"run already passed", 1, "Geheim", {}, 0, {}},
        {"right at once", 0, "Geheim", {"Geheim"}, 1, {"Geheim"}},
        {"run flag missing", std::nullopt, "Geheim", {"Geheim"}, 1, {"Geheim"}},
        {"other case, then right", 0, "Geheim", {"geheim", "Geheim"}, 1, {"", "Geheim"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PutDatabase(c.password);
        SetEncoder(c.encoder);
        prompt = {};
        prompt.typed.assign(c.typed.begin(), c.typed.end());
        EXPECT_TRUE(PassAccessGate(hub, gate));
        EXPECT_EQ(prompt.afterEach, c.fieldAfterEach);
        EXPECT_EQ(prompt.shown, c.prompts);
        EXPECT_EQ(Encoder(), 1);
        EXPECT_FALSE(gate.promptOpen);
        EXPECT_TRUE(p.dialogs.shown.empty()) << "a wrong password is never reported";
    }
}

TEST_F(AccessGateTest, CancelledPromptClosesTheHubThroughItsCommandBox) {
    PutDatabase("Geheim");
    SetEncoder(0);
    prompt.typed = {"geheim"};  // refused for its case, then cancelled
    EXPECT_THROW(PassAccessGate(hub, gate), ProcessTerminated);
    EXPECT_TRUE(SentClose(p, hub));
    EXPECT_EQ(Encoder(), 0) << "the close sequence leaves the run locked";
}

TEST_F(AccessGateTest, NothingGetsPastAnOpenPrompt) {
    PutDatabase("Geheim");
    SetEncoder(0);
    std::vector<bool> duringPrompt;
    prompt.whileOpen = [&] {
        duringPrompt.push_back(PassAccessGate(hub, gate));
        duringPrompt.push_back(PassAccessGate(hub, gate));
    };
    prompt.typed = {"Geheim"};
    EXPECT_TRUE(PassAccessGate(hub, gate));
    EXPECT_EQ(duringPrompt, (std::vector<bool>{false, false}));
    EXPECT_EQ(prompt.shown, 1);
}

TEST_F(AccessGateTest, UnreadablePasswordLetsThisRequestOnWithoutMarkingTheRun) {
    struct Case {
        const char* name;
        std::optional<std::string> database;
        int notices;
    };
    const Case cases[] = {
        {"database out of reach", std::nullopt, 0},
        {"empty file", std::string(), 0},
        {"no header section", "[001]\r\nX=Y\r\n", 0},
        // "\x93" and the key's first byte give code 0: no stored text of the suite looks like this.
        {"damaged value", ConfiguredDatabase() + *Crypt("Key") + "=\x93\x99\r\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        p.files.Delete(DatabasePath());
        if (c.database) p.files.Put(DatabasePath(), *c.database);
        SetEncoder(0);
        p.dialogs.shown.clear();
        prompt = {};
        EXPECT_TRUE(PassAccessGate(hub, gate));
        EXPECT_EQ(prompt.shown, 0);
        EXPECT_EQ(Encoder(), 0) << "the prompt must come once the password can be read";
        EXPECT_EQ(static_cast<int>(p.dialogs.shown.size()), c.notices);
    }
    PutDatabase("Geheim");
    prompt.typed = {"Geheim"};
    EXPECT_TRUE(PassAccessGate(hub, gate));
    EXPECT_EQ(prompt.shown, 1);
    EXPECT_EQ(Encoder(), 1);
}

TEST_F(AccessGateTest, WithoutAWindowForThePromptTheGateStaysShut) {
    PutDatabase("Geheim");
    SetEncoder(0);
    gate.prompt = nullptr;
    EXPECT_FALSE(PassAccessGate(hub, gate));
    EXPECT_EQ(Encoder(), 0);
}

TEST_F(AccessGateTest, ChangeDialogOnlyBehindTheCurrentPassword) {
    FakeKennwortView change;
    struct Case {
        const char* name;
        std::optional<std::string> password;  // none: the database cannot be read
        std::vector<std::string> typed;
        int prompts;
        int changeDialogs;
        int messages;
    };
    const Case cases[] = {
        {"no password yet", "", {}, 0, 1, 0},
        {"password known", "Geheim", {"Geheim"}, 1, 1, 0},
        {"database out of reach", std::nullopt, {}, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        p.files.Delete(DatabasePath());
        if (c.password) PutDatabase(*c.password);
        prompt = {};
        prompt.typed.assign(c.typed.begin(), c.typed.end());
        prompt.whileOpen = [&] { ChangeAccessPassword(hub, gate, change); };  // no way round an open prompt
        change = {};
        p.dialogs.shown.clear();
        ChangeAccessPassword(hub, gate, change);
        EXPECT_EQ(prompt.shown, c.prompts);
        EXPECT_EQ(change.shown, c.changeDialogs);
        ASSERT_EQ(static_cast<int>(p.dialogs.shown.size()), c.messages);
        if (c.messages) {
            EXPECT_EQ(p.dialogs.shown[0].text, kPasswordUnreadable);
        }
    }
    PutDatabase("Geheim");
    prompt = {};
    prompt.typed = {"geheim"};
    EXPECT_THROW(ChangeAccessPassword(hub, gate, change), ProcessTerminated);
}

}  // namespace
}  // namespace kolvane
