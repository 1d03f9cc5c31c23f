#include "members/number_ranges.h"

#include "hub/hub_fixture.h"
#include "members/number_ranges_window.h"
#include "members/sender_data.h"
#include "members/sender_data_window.h"

namespace kolvane {
namespace {

constexpr char kBackup[] = "C:\\Orvintal\\DATEX.BAK";

std::string Blocks(const char* a1, const char* a2, const char* b1, const char* b2) {
    return "[000]\r\n" + Line("A1", a1) + Line("A2", a2) + Line("B1", b1) + Line("B2", b2);
}
const std::string kStored = Blocks("001", "890", "899", "999"), kBackedUp = Blocks("001", "500", "599", "999");
using Fields = std::array<std::string, 4>;

struct RangeSystem : InstalledSystem {
    explicit RangeSystem(bool obeyClose = false) : InstalledSystem(obeyClose) {
        hub.LrDatabase = "C:\\Orvintal\\";
        Put(kDatabase, kStored);
        Put(kBackup, kBackedUp);
        Put("C:\\Orvintal\\RESTARTR.EXE");
    }
    bool Confirm(Fields typed) {
        form.fields = std::move(typed);
        return LizenzierungConfirm(hub, form, view);
    }
    std::string File(const char* path) { return p.files.ReadAll(path).value_or("<missing>"); }
    struct : LizenzierungView {
        void ShowModal(Hub&, LizenzierungForm&) override { calls += "shown "; }
        void Lock() override { calls += "lock "; }
        void Hide() override { calls += "hide "; }
        void BringToFront() override {}
        std::string calls;
    } view;
    LizenzierungForm form;
};

// Each stored start is shown as the block's first number, so that confirming what is shown stores it again; the
// number format comes only when a field is left.
TEST(NumberRangesTest, OpensWithTheFirstNumbersOfTheBlocks) {
    RangeSystem s;
    EXPECT_EQ(LizenzierungLoad(s.hub).fields, (Fields{"001", "890", "900", "999"}));
    LizenzierungForm left{{"1", "12", "x", ""}};
    LizenzierungLeave(left);
    EXPECT_EQ(left.fields, (Fields{"001", "012", "x", ""}));
}

MessageBoxRequest Refusal(const char* text) { return {text, " Orvintal Lizenzierung", MsgButtons::Ok, MsgIcon::Critical}; }
MessageBoxRequest InWindow(std::string text, MsgButtons buttons = MsgButtons::Ok) {
    return {std::move(text), " Orvintal Lizenzierung ", buttons, MsgIcon::Exclamation};
}
MessageBoxRequest CleanUp() {
    return InWindow("Fehlerhafte oder unbenutzte Nummern werden gelöscht.   \nGelöschte Mitglieder können nicht wiederhergestellt "
                    "werden.   \nEine Datensicherung kann die Datenverluste verhindern.\n\nBereinigung der Datenbank jetzt durchführen ?   ",
                    MsgButtons::OkCancel);
}
MessageBoxRequest Question(const char* end1, const char* start2, const char* end2) {
    return {std::string("Sie sind dabei Mitglieder ohne gültige Nummer zu löschen.    \n"
                        "Nummern zwischen den Beratungsstellen werden nun entfernt    \n"
                        "und anschließend wird die Datenbank geprüft und kompremiert.    \n\nEinträge zwischen den Werten: ") +
                end1 + " und " + start2 + " sowie alle Werte     \nnach der Nummer: " + end2 +
                " werden aus der Datenbank entfernt.\n\nMöchten Sie wirklich mit der Reorganisation fortfahren ?",
            " Orvintal Reorganisation", MsgButtons::OkCancel, MsgIcon::Exclamation};
}

// A block that is not one to four digits, out of order or too close to the other one is refused with its
// message: nothing is backed up, stored or started. Numbers compare as numbers, not as texts. Five numbers
// between the blocks pass to the confirmation; Cancel there stores nothing, nor does a database that cannot be
// backed up; a cancelled clean-up keeps the stored blocks and starts nothing. The last box is compared.
TEST(NumberRangesTest, RefusedBlocksChangeNothing) {
    const MessageBoxRequest order = Refusal("Sie haben Fehler bei der Vergabe der Lizenz-Nummern gemacht.   \n"
                                            "Werte müssen Zahlen sein und pro Feld immer größer werden.");
    const struct {
        Fields typed;
        MessageBoxRequest box;
        std::size_t focus = TAnfang1;
        const char* end1 = "890";  // TEnde1 afterwards
        std::vector<MsgAnswer> answers = {MsgAnswer::Cancel};
        std::string database = kStored, backup = kBackedUp;
    } cases[] = {
        {{"001", "890", "894", "999"},
         InWindow("Sie haben Fehler bei der Vergabe der Lizenz-Nummern gemacht.   \nZwischen der Haupt- und Nebenstelle "
                  "müssen Zahlen frei bleiben.   \nMindestens 5 Zähler Abstand zwischen den Beratungsstellen."),
         TEnde1, "888"},
        {{"001", "890", "895", "999"}, Question("890", "894", "999")},
        {{"001", "890", "12a", "999"}, order},
        {{"001", "890", "900", "20000"}, Refusal("In Orvintal sind max. 4-stellige Mitgliedsnummern erlaubt. "), TEnde2},
        {{"900", "890", "950", "999"}, order},
        {{"001", "1000", "900", "1999"}, order, TAnfang1, "1000"},
        {{"001", "", "900", "999"}, order, TAnfang1, ""},
        {{"001", "890", "950", "999"}, InWindow("Die Datenbank C:\\Orvintal\\DATEX.DAT fehlt, ist leer oder kann gerade nicht gelesen "
                  "werden.\nEs wurde keine Sicherungskopie erstellt, und die Nummernkreise bleiben unverändert."),
         TAnfang1, "890", {MsgAnswer::Ok}, "<missing>"},
        {{"001", "890", "950", "999"}, CleanUp(), TAnfang1, "890", {MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::Cancel},
         Blocks("001", "890", "949", "999"), kStored},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        RangeSystem s;
        if (c.database == "<missing>") s.p.files.Delete(kDatabase);
        s.p.dialogs.answers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(s.Confirm(c.typed), c.answers.size() == 3);
        EXPECT_EQ(std::tuple(s.p.dialogs.shown.back(), s.form.focus, s.form.fields[TEnde1], s.File(kDatabase), s.File(kBackup),
                             s.p.shell.started.size()),
                  std::tuple(c.box, c.focus, std::string(c.end1), c.database, c.backup, 0u));
    }
}

// Confirmed blocks: the database is backed up (the previous backup becomes the older one, the older one goes to
// the recycle bin), each start is stored one below the first number, the reorganisation component gets the
// database and is waited for by its windows. A second Ok behind the boxes runs nothing.
TEST(NumberRangesTest, ConfirmedBlocksAreBackedUpStoredAndReorganised) {
    RangeSystem s;
    s.Put("C:\\Orvintal\\DATEX.OLD", "older");
    WindowId starting = kNoWindow, working = kNoWindow;
    s.p.clock.Schedule(1, [&] { starting = s.p.windows.Create("ThunderRT6FormDC", "Brekkan Reorganisation"); });
    s.p.clock.Schedule(6.5, [&] { s.p.windows.Destroy(starting), working = s.p.windows.Create("ThunderRT6FormDC", " Reorganisation"); });
    s.p.clock.Schedule(18.5, [&] { s.p.windows.Destroy(working); });
    bool again = true;
    s.p.dialogs.whileOpen = [&] { again = s.p.dialogs.shown.size() == 1 ? LizenzierungConfirm(s.hub, s.form, s.view) : again; };
    ASSERT_TRUE(s.Confirm({"1", "890", "1000", "1999"}));
    EXPECT_FALSE(again);
    EXPECT_EQ(std::tuple(s.File(kDatabase), s.File(kBackup), s.File("C:\\Orvintal\\DATEX.OLD"), s.p.shell.recycled),
              std::tuple(Blocks("001", "890", "999", "1999"), kStored, kBackedUp, std::vector<std::string>{"C:\\Orvintal\\DATEX.OLD"}));
    EXPECT_EQ(std::tuple(s.p.shell.started, s.p.clock.Elapsed(), s.view.calls, s.p.windows.pointers.back(), s.hub.memberRanges),
              std::tuple(std::vector<Started>{{"\"C:\\Orvintal\\RESTARTR.EXE\" /a", ShowState::Normal}}, 2 + 3 + 3 + 3 * 5 + 2,
                         "lock hide ", MousePointer::Default, MemberRanges{1, 890, 999, 1999}));
    EXPECT_EQ(s.p.dialogs.shown,
              (std::vector{Question("890", "999", "1999"),
                           InWindow("Eine Sicherungskopie der Datenbank wurde erfolgreich erstellt.    \n"
                                    "Verwenden Sie ''DATEX.BAK'' für eine eventl. Rücksicherung."),
                           CleanUp()}));
}

// The wait for the reorganisation ends within its bound, and "$Ende$" during it ends the hub the orderly way.
TEST(NumberRangesTest, ReorganisationWaitIsBoundedAndEndsWithTheHub) {
    RangeSystem s(true);
    s.p.windows.Create("ThunderRT6FormDC", " Reorganisation");
    ASSERT_TRUE(s.Confirm({"001", "890", "900", "999"}));
    EXPECT_EQ(s.p.clock.Elapsed(), 2 + 360 * 5 + 2);
    RangeSystem ending(true);
    ending.p.windows.Create("ThunderRT6FormDC", " Reorganisation");
    ending.p.clock.Schedule(60, [&] { ending.p.windows.SetText(ending.hub.Text1, kCloseCommand); });
    EXPECT_TRUE(Ends([&] { ending.Confirm({"001", "890", "900", "999"}); }));
}

// Neither window opens on the data of a share that has dropped out: the user is told, and each opens once it is back.
TEST(NumberRangesTest, WindowsOnTheDatabaseOpenOnlyWhileItsFolderIsReachable) {
    RangeSystem s;
    struct : AbsenderView { void ShowModal(Hub&, AbsenderForm&) override { ++shown; } void BringToFront() override {} int shown = 0; } absender;
    std::tie(s.hub.LrDatabase, s.hub.absenderView, s.hub.lizenzierungView) = std::tuple(kShare, &absender, &s.view);
    s.Put(std::string(kShare) + "DATEX.DAT", kStored);
    for (const bool away : {true, false}) DropShare(s.p, away), ShowSenderData(s.hub), ShowMemberRanges(s.hub);
    EXPECT_EQ(std::tuple(absender.shown, s.view.calls, s.p.dialogs.shown),
              std::tuple(1, "shown ", std::vector<MessageBoxRequest>(2, ShareUnreachable())));
}

}  // namespace
}  // namespace kolvane
