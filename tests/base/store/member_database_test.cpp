#include "store/member_database.h"

#include "store_fixture.h"

namespace kolvane {
namespace {

using namespace std::string_literals;

class MemberDatabaseTest : public StoreTest {
protected:
    MemberDatabase db{os, kDatabase};
};

TEST_F(MemberDatabaseTest, WritesScrambledKeysAndValuesAsThePeersDo) {
    Put("[000]\r\n" + Line("SIZE", "12") + "[001]\r\n" + Line("SIZE", "7"));
    EXPECT_EQ(db.Write("000", "A1", "001"), SaveResult::Saved);
    EXPECT_EQ(db.Delete("000", "SIZE"), SaveResult::Saved);
    EXPECT_EQ(db.Delete("000", "SIZE"), SaveResult::Saved);
    // Worked out by hand: "A1" -> 0x41^0x93, 0x31^0x99; "001" -> 0x30^0x93, 0x30^0x99, 0x31^0x96.
    EXPECT_EQ(File(), "[000]\r\n\xD2\xA8=\xA3\xA9\xA7\r\n[001]\r\n" + Line("SIZE", "7"));
    EXPECT_EQ(replaces, 2) << "deleting a missing key writes nothing";
    EXPECT_EQ(db.Read("000", "a1"), "") << "plain key names differ in case after scrambling, as the peers see them";
    EXPECT_EQ(MemberDatabase(os, "c:\\orvintal\\datex.DAT").Read("000", "A1"), "001");
    const auto other = p.locks.TryLock(LockFileOf(kDatabase));
    EXPECT_EQ(MemberDatabase(os, "C:\\Orvintal\\DATEX.dat").Write("000", "A1", "1"), SaveResult::Busy)
        << "one lock for every spelling of the name";
}

// A value is stored only when it reads back exactly; otherwise the whole record is refused with the
// scrambler's notice and the stored values stay. Failed saves are reported and change nothing either.
TEST_F(MemberDatabaseTest, RefusedAndFailedSavesChangeNothing) {
    const SaveResult refused = SaveResult::Refused, saved = SaveResult::Saved;
    const struct { std::string value; SaveResult result; std::function<void()> arrange = [] {}; } cases[] = {
        {"A\tB", refused}, {"a\nb", refused}, {"5 \x80", refused}, {std::string(255, 'a'), refused},
        // 0xB3 at position 1 and 0xB9 at 2 scramble to blanks, which the INI reader trims; 0xB1 / 0xB4 at 1 / 3
        // to double quotes and 0xB4 / 0xBE at 1 / 2 to single ones, which it strips. Unlike quotes stay.
        {"\xB3" "a", refused}, {"a\xB9", refused}, {"\xB1" "a\xB4", refused}, {"\xB4\xBE", refused},
        {"\xB1\xBE", saved}, {"\xB1", saved}, {std::string(254, 'a'), saved}, {"", saved},
        {"neu", SaveResult::Missing, [&] { p.files.Delete(kDatabase); }},
        {"neu", SaveResult::Damaged, [&] { Put(""); }},
        {"neu", SaveResult::Damaged, [&] { Put("[Setup]\r\nx=1\r\n"); }},
        {"neu", SaveResult::Failed, [&] { beforeWriteAll = [](const std::string&) { return false; }; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.value));
        Put("[000]\r\n" + Line("Key", "alt") + Line("Other", "alt"));
        p.dialogs.shown.clear();
        beforeWriteAll = nullptr;
        c.arrange();
        const std::string before = File();
        const DatabaseValue record[] = {{"Other", "neu"}, {"Key", c.value}};
        EXPECT_EQ(db.Write("000", record), c.result);
        if (c.result == saved) { EXPECT_EQ(db.Read("000", "Key"), c.value); }
        if (c.result != saved) { EXPECT_EQ(File(), before) << "nothing is written, not even an empty value"; }
        ASSERT_EQ(p.dialogs.shown.size(), c.result == saved ? 0u : 1u);
        if (c.result == refused) { EXPECT_EQ(p.dialogs.shown[0], CryptRejectedMessage()); }
        if (c.result == SaveResult::Missing) { EXPECT_TRUE(p.dialogs.shown[0].text.ends_with(" wurde nicht gefunden.\nDer Datensatz wurde nicht gespeichert.")); }
    }
    EXPECT_EQ(p.dialogs.shown[0].text, "Die Datenbank "s + kDatabase + " konnte nicht geschrieben werden "
                                       "(Datentr\xE4ger voll oder keine Schreibrechte).\nDer Datensatz wurde nicht "
                                       "gespeichert, die gespeicherten Daten sind unver\xE4ndert.");
    EXPECT_EQ(p.dialogs.shown[0].icon, MsgIcon::Exclamation);
}

// A missing database reads empty without a message and is not created; a damaged value reads empty with
// the notice once per read. A range counts when it is one to four ASCII digits; A1 of 0 is the header.
TEST_F(MemberDatabaseTest, ReadsWriteNothingAndTellOfDamage) {
    EXPECT_EQ(std::tuple(db.ReadMember(1), db.ReadRanges(), db.IsDatabase(), p.files.Exists(kDatabase)),
              std::tuple(MemberRecord{}, MemberRanges{}, false, false));
    // "3964" scrambles to four times 0xA0, which the reader must not take for blanks.
    Put("[000]\r\n" + Line("A1", "000") + Line("A2", "0895") + Line("B1", " 12") + Line("B2", "10000") + Line("K", "3964") +
        "[012]\r\n" + Line("NAME", "Heil") + *Crypt("MANN") + "=\x90\x90\r\n" + *Crypt("ORT") + "=\x91\r\n[12]\r\n" + Line("ORT", "X"));
    EXPECT_EQ(db.ReadRanges(), (MemberRanges{1, 895, 1000, 1999}));
    EXPECT_EQ(db.Read("000", "K") + db.Read("000", "\x80"), "3964") << "a key the scrambler refuses is never found";
    const MemberRecord member = db.ReadMember(12);
    EXPECT_EQ(member.NAME + "|" + member.ORT, "Heil|") << "member 12 lives in [012], not in [12]";
    EXPECT_EQ(db.Read("012", "MANN"), "");
    DamageNotice pass(p.dialogs);
    EXPECT_EQ(db.Load().Read("012", "NAME", pass), "Heil");
    EXPECT_EQ(p.dialogs.shown.size(), 2u);
    EXPECT_EQ(replaces, 0);
}

}  // namespace
}  // namespace kolvane
