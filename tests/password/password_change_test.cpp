#include "password/password_change.h"

#include "password_fixture.h"

namespace kolvane {
namespace {

class PasswordChangeTest : public PasswordTest {
protected:
    ChangeAnswer Apply(const std::string& password, const std::string& confirmation) {
        form = {password, confirmation};
        return KennwortApply(hub, form);
    }
    KennwortForm form;
};

// Equal fields store the password scrambled, two empty ones remove it. What the scrambler cannot carry is
// refused: stored, it would leave an empty value, which removes the password.
TEST_F(PasswordChangeTest, EqualFieldsAreStoredAndAnythingElseKeepsTheOldPassword) {
    struct Case {
        std::string password, confirmation;
        const char* refusal;  // the start of the message; null: stored
    };
    const Case cases[] = {
        {"Kl\xE4rung 2026!", "Kl\xE4rung 2026!", nullptr},
        {std::string(254, 'a'), std::string(254, 'a'), nullptr},
        {"", "", nullptr},
        {"Neu", "neu", "Beide Kennw\xF6rter m\xFCssen aus Sicherheitsgr\xFCnden \xFC" "bereinstimmen.  "},
        {std::string(255, 'a'), std::string(255, 'a'), "Das Kennwort ist zu lang"},
        {"\x93Geheim\x94", "\x93Geheim\x94", "Das Kennwort enth\xE4lt Zeichen"},
        {"\xB3", "\xB3", "Das Kennwort enth\xE4lt Zeichen"},  // scrambles to a blank at the end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.password.substr(0, 20) + " / " + c.confirmation.substr(0, 20));
        PutDatabase("Alt");
        p.dialogs.shown.clear();
        const bool mismatch = c.password != c.confirmation;
        EXPECT_EQ(Apply(c.password, c.confirmation), c.refusal ? ChangeAnswer::Stay : ChangeAnswer::Stored);
        EXPECT_EQ(Stored("Key"), c.refusal ? "Alt" : c.password);
        if (!c.refusal) {
            EXPECT_TRUE(p.dialogs.shown.empty());
            EXPECT_TRUE(c.password.empty() || p.files.ReadAll(DatabasePath())->find(c.password) == std::string::npos);
            continue;
        }
        ASSERT_EQ(p.dialogs.shown.size(), 1u);
        EXPECT_EQ(p.dialogs.shown[0].text.rfind(c.refusal, 0), 0u) << p.dialogs.shown[0].text;
        EXPECT_EQ(p.dialogs.shown[0].title, "  Authentifizierung hinzuf\xFCgen");
        EXPECT_EQ(p.dialogs.shown[0].icon, mismatch ? MsgIcon::Critical : MsgIcon::Exclamation);
        // A mismatch empties the confirmation only; a refused password both fields.
        EXPECT_EQ(form.tKennwort, mismatch ? c.password : "");
        EXPECT_EQ(form.tBestaetigung, "");
        EXPECT_EQ(form.focus, mismatch ? KennwortForm::Field::tBestaetigung : KennwortForm::Field::tKennwort);
    }
}

TEST_F(PasswordChangeTest, FailedSaveKeepsTheDialogOpen) {
    EXPECT_EQ(Apply("Neu", "Neu"), ChangeAnswer::Stay);
    ASSERT_EQ(p.dialogs.shown.size(), 1u) << "the store tells why";
    EXPECT_EQ(form.tKennwort, "Neu");
    EXPECT_FALSE(p.files.Exists(DatabasePath()));
}

}  // namespace
}  // namespace kolvane
