#include "launcher_fixture.h"

namespace kolvane {
namespace {

class NoticeLaunchesTest : public LauncherTest {};

// The manager starts in any case: it is where the list is made.
TEST_F(NoticeLaunchesTest, TheTemplateManagerWarnsOfAMissingListAndStartsAnyway) {
    PutProgram("SHEETVUE.EXE");
    Choose(ActionKey::Bibliothek);
    EXPECT_EQ(p.dialogs.shown,
              (std::vector<MessageBoxRequest>{{"Keine Orvintal Vorlagen-Datenbank gefunden.\nDaher konnten keine "
                                               "Men\xFC" "eintrage eingef\xFCgt werden.\nBitte pr\xFC" "fen Sie die "
                                               "Installation von Orvintal.",
                                               " Vorlagen f\xFCr Dokumente", MsgButtons::Ok, MsgIcon::Critical}}));
    PutProgram("VORLAGEN.DAT", "[DOCS]\r\n");
    Choose(ActionKey::Bibliothek);
    EXPECT_EQ(p.dialogs.shown.size(), 1u);
    EXPECT_EQ(Started(), (std::vector<std::string>{Quoted("SHEETVUE.EXE"), Quoted("SHEETVUE.EXE")}));
}

TEST_F(NoticeLaunchesTest, TheIndexDatabaseIsRebuiltOnlyOnYesAndNeverAskedOnANetworkShare) {
    const MessageBoxRequest question{"M\xF6" "chten Sie die PictHelp-Datenbank neu erstellen ?\n\nDie Datenbank l\xE4" "dt "
                                     "Mitglieder schneller in den Anwendungen. Normalerweise wird diese Datenbank "
                                     "automatisch erstellt und aktualisiert.",
                                     "Brekkan Orvintal   ", MsgButtons::YesNo, MsgIcon::Exclamation};
    struct Case {
        const char* name;
        const char* folder;
        std::optional<MsgAnswer> answer;  // none: no question
        bool started;
    };
    const Case cases[] = {
        {"yes", "C:\\Orvintal", MsgAnswer::Yes, true},
        {"no", "C:\\Orvintal", MsgAnswer::No, false},
        {"network share", "\\\\server\\Orvintal", std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        hub.programFolder = c.folder;
        PutProgram("PICTHELP.EXE");
        p.dialogs.shown.clear();
        p.shell.started.clear();
        if (c.answer) p.dialogs.answers = {*c.answer};
        Choose(ActionKey::IndexDB);
        EXPECT_EQ(p.dialogs.shown,
                  c.answer ? std::vector<MessageBoxRequest>{question} : std::vector<MessageBoxRequest>{});
        EXPECT_EQ(Started(), c.started ? std::vector<std::string>{Quoted("PICTHELP.EXE")} : std::vector<std::string>{});
    }
}

}  // namespace
}  // namespace kolvane
