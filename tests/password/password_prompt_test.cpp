#include "password/password_prompt.h"

#include <array>

#include "password/stored_password.h"
#include "password_fixture.h"

namespace kolvane {
namespace {

class PasswordPromptTest : public PasswordTest {};

TEST_F(PasswordPromptTest, UserNameIsTheRegisteredOwner) {
    const char* const paths[] = {"Software\\Brekkan\\Orvintal", "Software\\Microsoft\\Windows\\CurrentVersion",
                                 "Software\\Microsoft\\Windows Nt\\CurrentVersion"};
    struct Case {
        const char* name;
        std::array<const char*, 3> owners;  // under the paths above
        const char* shown;
    };
    const Case cases[] = {
        {"the suite's own owner first", {"Lohnsteuerhilfe M\xFCnster e.V.", "Windows-Benutzer", "NT-Benutzer"},
         "Lohnsteuerhilfe M\xFCnster e.V."},
        {"then Windows", {nullptr, "Windows-Benutzer", "NT-Benutzer"}, "Windows-Benutzer"},
        {"then Windows NT", {nullptr, nullptr, "NT-Benutzer"}, "NT-Benutzer"},
        {"none registered", {}, "Benutzer"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (std::size_t i = 0; i < std::size(paths); ++i) {
            RegCreateKey(p.registry, RegRoot::LocalMachine, paths[i], "");
            p.registry.DeleteValue(RegRoot::LocalMachine, paths[i], "RegisteredOwner");
            if (c.owners[i])
                RegSetSetting(p.registry, RegRoot::LocalMachine, paths[i], "RegisteredOwner", std::string(c.owners[i]));
        }
        const PasswortForm form = LoadPasswortForm(hub);
        EXPECT_EQ(form.Text1, c.shown);
        EXPECT_EQ(form.Text1List, std::vector<std::string>{c.shown});
        EXPECT_TRUE(form.Text2.empty());
        EXPECT_TRUE(form.BReadyEnabled);
    }
}

TEST_F(PasswordPromptTest, CheckBoxStartsAsItWasLastConfirmedAndIsStoredOnEveryConfirmation) {
    PutDatabase("Geheim");
    PasswortForm form = LoadPasswortForm(hub);
    EXPECT_FALSE(form.BVordergrund) << "never confirmed yet";

    struct Step {
        bool keepInFront;
        const char* typed;
        PromptAnswer answer;
        const char* stored;
    };
    const Step steps[] = {
        {true, "falsch", PromptAnswer::Wrong, "1"},
        {false, "Geheim", PromptAnswer::Right, "0"},
        {true, "Geheim", PromptAnswer::Right, "1"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.typed);
        form.BVordergrund = s.keepInFront;
        form.Text2 = s.typed;
        EXPECT_EQ(PasswortReady(hub, form), s.answer);
        EXPECT_EQ(Stored("Foreground"), s.stored);
        EXPECT_EQ(LoadPasswortForm(hub).BVordergrund, s.keepInFront);
    }
    EXPECT_EQ(Stored("Key"), "Geheim") << "the prompt never changes the password";
}

TEST_F(PasswordPromptTest, ComparisonIsExact) {
    struct Case {
        const char* stored;
        const char* typed;
        PromptAnswer answer;
    };
    const Case cases[] = {
        {"Geheim", "Geheim", PromptAnswer::Right},
        {"Geheim", "geheim", PromptAnswer::Wrong},
        {"Geheim", "GEHEIM", PromptAnswer::Wrong},
        {"Geheim", "Geheim ", PromptAnswer::Wrong},
        {"Geheim", " Geheim", PromptAnswer::Wrong},
        {"Geheim", "Gehei", PromptAnswer::Wrong},
        {"Geheim", "", PromptAnswer::Wrong},
        {"Stra\xDF" "e", "Strasse", PromptAnswer::Wrong},
        {"\xC4rger", "\xE4rger", PromptAnswer::Wrong},
        {"\xC4rger", "\xC4rger", PromptAnswer::Right},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.stored) + " / " + c.typed);
        PutDatabase(c.stored);
        PasswortForm form = LoadPasswortForm(hub);
        form.Text2 = c.typed;
        EXPECT_EQ(PasswortReady(hub, form), c.answer);
        const bool right = c.answer == PromptAnswer::Right;
        EXPECT_EQ(form.Text2, right ? c.typed : "");
        EXPECT_EQ(form.BReadyEnabled, !right);
    }
    EXPECT_TRUE(p.dialogs.shown.empty());
}

TEST_F(PasswordPromptTest, DatabaseGoneAtConfirmationIsToldAndStoresNothing) {
    PasswortForm form = LoadPasswortForm(hub);
    form.Text2 = "Geheim";
    form.BVordergrund = true;
    EXPECT_EQ(PasswortReady(hub, form), PromptAnswer::Wrong);
    ASSERT_EQ(p.dialogs.shown.size(), 1u);
    EXPECT_EQ(p.dialogs.shown[0],
              (MessageBoxRequest{kPasswordUnreadable, "Brekkan Orvintal   ", MsgButtons::Ok, MsgIcon::Exclamation}));
    EXPECT_FALSE(p.files.Exists(DatabasePath())) << "no database is created for the check box";
}

}  // namespace
}  // namespace kolvane
