#include "password/password_change.h"

#include "password_fixture.h"

namespace kolvane {
namespace {

class PasswordChangeTest : public PasswordTest {
protected:
    PasswordChangeTest() { PutDatabase("Alt"); }
    ChangeAnswer Apply(const std::string& password, const std::string& confirmation) {
        form = {password, confirmation};
        return KennwortApply(hub, form);
    }
    KennwortForm form;
};

// Two empty fields remove the password.
TEST_F(PasswordChangeTest, EqualFieldsStoreThePasswordScrambled) {
    for (const std::string& password : {std::string("Kl\xE4rung 2026!"), std::string(254, 'a'), std::string()}) {
        SCOPED_TRACE(password.substr(0, 20));
        EXPECT_EQ(Apply(password, password), ChangeAnswer::Stored);
        EXPECT_EQ(Stored("Key"), password);
        if (!password.empty()) {
            EXPECT_EQ(p.files.ReadAll(DatabasePath())->find(password), std::string::npos) << "stored in plain text";
        }
    }
    EXPECT_TRUE(p.dialogs.shown.empty());
}

TEST_F(PasswordChangeTest, DifferentFieldsAreRefusedWithTheMessage) {
    EXPECT_EQ(Apply("Neu", "neu"), ChangeAnswer::Stay);
    ASSERT_EQ(p.dialogs.shown.size(), 1u);
    EXPECT_EQ(p.dialogs.shown[0], (MessageBoxRequest{"Beide Kennwörter müssen aus Sicherheitsgründen übereinstimmen.  ",
                                                     "  Authentifizierung hinzufügen", MsgButtons::Ok,
                                                     MsgIcon::Critical}));
    EXPECT_EQ(form.tKennwort, "Neu");
    EXPECT_EQ(form.tBestaetigung, "");
    EXPECT_EQ(form.focus, KennwortForm::Field::tBestaetigung);
    EXPECT_EQ(Stored("Key"), "Alt");
}

// The scrambler cannot carry these; storing them would leave an empty value, which removes the password.
TEST_F(PasswordChangeTest, PasswordTheDatabaseCannotCarryIsRefusedAndTheOldOneStays) {
    struct Case {
        const char* name;
        std::string password;
        const char* textStart;
    };
    const Case cases[] = {
        {"255 characters", std::string(255, 'a'), "Das Kennwort ist zu lang"},
        {"typographic quotes", "\x93Geheim\x94", "Das Kennwort enth\xE4lt Zeichen"},
        {"scrambles to a blank at the end", "\xB3", "Das Kennwort enth\xE4lt Zeichen"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        p.dialogs.shown.clear();
        EXPECT_EQ(Apply(c.password, c.password), ChangeAnswer::Stay);
        ASSERT_EQ(p.dialogs.shown.size(), 1u);
        EXPECT_EQ(p.dialogs.shown[0].text.rfind(c.textStart, 0), 0u) << p.dialogs.shown[0].text;
        EXPECT_EQ(p.dialogs.shown[0].title, "  Authentifizierung hinzufügen");
        EXPECT_EQ(form.tKennwort, "");
        EXPECT_EQ(form.tBestaetigung, "");
        EXPECT_EQ(form.focus, KennwortForm::Field::tKennwort);
        EXPECT_EQ(Stored("Key"), "Alt");
    }
}

TEST_F(PasswordChangeTest, FailedSaveKeepsTheDialogOpen) {
    p.files.Delete(DatabasePath());
    EXPECT_EQ(Apply("Neu", "Neu"), ChangeAnswer::Stay);
    ASSERT_EQ(p.dialogs.shown.size(), 1u) << "the store tells why";
    EXPECT_EQ(form.tKennwort, "Neu");
    EXPECT_FALSE(p.files.Exists(DatabasePath()));
}

}  // namespace
}  // namespace kolvane
