#include "members/number_ranges.h"

#include "hub/hub_fixture.h"

namespace kolvane {
namespace {

constexpr char kDatabase[] = "C:\\Orvintal\\DATEX.DAT";
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
        void ShowModal(Hub&, LizenzierungForm&) override {}
        void Lock() override { calls += "lock "; }
        void Hide() override { calls += "hide "; }
        void BringToFront() override {}
        std::string calls;
    } view;
    LizenzierungForm form;
};

// Each stored start is shown as the block's first number, so that confirming what is shown stores it again.
TEST(NumberRangesTest, OpensWithTheFirstNumbersOfTheBlocks) {
    const std::pair<std::string, Fields> cases[] = {
        {kStored, {"001", "890", "900", "999"}},
        {Blocks("004", "890", "8999", "9999"), {"005", "890", "9000", "9999"}},
        {Blocks("0", "12", "x", ""), {"001", "012", "x", ""}},
    };
    for (const auto& [database, shown] : cases) {
        RangeSystem s;
        s.Put(kDatabase, database);
        EXPECT_EQ(LizenzierungLoad(s.hub).fields, shown);
    }
}

// A block that is not one to four digits, out of order or too close to the other one is refused with its
// message: nothing is backed up, stored or started. Numbers compare as numbers, not as texts.
TEST(NumberRangesTest, RefusedBlocksChangeNothing) {
    const char* order = "Sie haben Fehler bei der Vergabe der Lizenz-Nummern gemacht.   \nWerte müssen";
    const struct {
        Fields typed;
        const char* text;  // the start of the message
        std::size_t focus;
        const char* end1;  // TEnde1 afterwards
    } cases[] = {
        {{"001", "890", "894", "999"}, "Sie haben Fehler bei der Vergabe der Lizenz-Nummern gemacht.   \nZwischen", TEnde1, "888"},
        {{"001", "890", "12a", "999"}, order, TAnfang1, "890"},
        {{"001", "890", "900", "20000"}, "In Orvintal sind max. 4-stellige Mitgliedsnummern erlaubt. ", TEnde2, "890"},
        {{"900", "890", "950", "999"}, order, TAnfang1, "890"},
        {{"001", "1000", "900", "1999"}, order, TAnfang1, "1000"},
        {{"001", "", "900", "999"}, order, TAnfang1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        RangeSystem s;
        EXPECT_FALSE(s.Confirm(c.typed));
        ASSERT_EQ(s.p.dialogs.shown.size(), 1u);
        EXPECT_EQ(s.p.dialogs.shown[0].text.rfind(c.text, 0), 0u) << s.p.dialogs.shown[0].text;
        EXPECT_EQ(std::tuple(s.form.focus, s.form.fields[TEnde1], s.File(kDatabase), s.File(kBackup), s.p.shell.started.size()),
                  std::tuple(c.focus, std::string(c.end1), kStored, kBackedUp, 0u));
    }
}

// Confirmed blocks: the database is backed up (the previous backup becomes the older one), each start is stored
// one below the first number, the reorganisation component gets the database and is waited for by its windows.
TEST(NumberRangesTest, ConfirmedBlocksAreBackedUpStoredAndReorganised) {
    RangeSystem s;
    s.p.clock.Schedule(1, [&] {
        const WindowId starting = s.p.windows.Create("ThunderRT6FormDC", "Brekkan Reorganisation");
        s.p.clock.Schedule(5.5, [&s, starting] {
            s.p.windows.Destroy(starting);
            const WindowId working = s.p.windows.Create("ThunderRT6FormDC", " Reorganisation");
            s.p.clock.Schedule(12, [&s, working] { s.p.windows.Destroy(working); });
        });
    });
    ASSERT_TRUE(s.Confirm({"1", "890", "1000", "1999"}));
    EXPECT_EQ(std::tuple(s.File(kDatabase), s.File(kBackup), s.File("C:\\Orvintal\\DATEX.OLD")),
              std::tuple(Blocks("001", "890", "999", "1999"), kStored, kBackedUp));
    EXPECT_EQ(s.p.shell.started, (std::vector<Started>{{"\"C:\\Orvintal\\RESTARTR.EXE\" /a", ShowState::Normal}}));
    EXPECT_EQ(std::tuple(s.p.clock.Elapsed(), s.view.calls, s.p.windows.pointers.back(), s.hub.memberRanges),
              std::tuple(2 + 3 + 3 + 3 * 5 + 2, "lock hide ", MousePointer::Default, MemberRanges{1, 890, 999, 1999}));
    ASSERT_EQ(s.p.dialogs.shown.size(), 3u);
    EXPECT_EQ(s.p.dialogs.shown[0].title, " Orvintal Reorganisation");
    EXPECT_NE(s.p.dialogs.shown[0].text.find("Werten: 890 und 999 sowie alle Werte     \nnach der Nummer: 1999 werden"),
              std::string::npos);
}

// Cancel at the confirmation keeps what was typed and makes no backup; a database that cannot be backed up is
// not changed either; a cancelled clean-up keeps the stored blocks and starts nothing.
TEST(NumberRangesTest, NothingStoredWithoutBackupAndNothingStartedWithoutConsent) {
    const std::string cleanedUp = Blocks("001", "890", "949", "999");
    const struct {
        std::vector<MsgAnswer> answers;
        bool missing, closes;
        std::string database, backup;
    } cases[] = {
        {{MsgAnswer::Cancel}, false, false, kStored, kBackedUp},
        {{MsgAnswer::Ok}, true, false, "<missing>", kBackedUp},
        {{MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::Cancel}, false, true, cleanedUp, kStored},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        RangeSystem s;
        if (c.missing) s.p.files.Delete(kDatabase);
        s.p.dialogs.answers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(s.Confirm({"001", "890", "950", "999"}), c.closes);
        EXPECT_EQ(std::tuple(s.form.fields, s.File(kDatabase), s.File(kBackup), s.p.shell.started.size()),
                  std::tuple(Fields{"001", "890", "950", "999"}, c.database, c.backup, 0u));
    }
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

}  // namespace
}  // namespace kolvane
