#include "store/member_database.h"

#include <random>

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
    EXPECT_EQ(files.replaces, 2) << "deleting a missing key writes nothing";
    EXPECT_EQ(db.Read("000", "a1"), "") << "plain key names differ in case after scrambling, as the peers see them";
    EXPECT_EQ(MemberDatabase(os, "c:\\orvintal\\datex.DAT").Read("000", "A1"), "001");
    EXPECT_EQ(FolderFiles(), std::vector<std::string>{"DATEX.DAT"});
    const auto other = p.locks.TryLock(LockFileOf(kDatabase));
    EXPECT_EQ(MemberDatabase(os, "C:\\Orvintal\\DATEX.dat").Write("000", "A1", "1"), SaveResult::Busy)
        << "one lock for every spelling of the name";
}

// A value is stored only when it reads back exactly; otherwise the whole record is refused with the
// scrambler's notice and the stored values stay. Failed saves are reported and change nothing either.
TEST_F(MemberDatabaseTest, RefusedAndFailedSavesChangeNothing) {
    const auto refused = SaveResult::Refused;
    const struct {
        const char* what;
        std::string value;
        SaveResult result;
        std::function<void()> arrange = [] {};
    } cases[] = {
        {"tab: scrambles, but never unscrambles", "A\tB", refused},
        {"line feed", "a\nb", refused},
        {"euro sign", "5 \x80", refused},
        // 0xB3 at position 1 and 0xB9 at position 2 scramble to blanks, which the INI reader trims;
        // 0xB1 / 0xB4 at positions 1 / 3 to double quotes, 0xB4 / 0xBE at 1 / 2 to single ones, which it strips.
        {"scrambled form begins with a blank", "\xB3" "a", refused},
        {"scrambled form ends with a blank", "a\xB9", refused},
        {"scrambled form in double quotes", "\xB1" "a\xB4", refused},
        {"scrambled form in single quotes", "\xB4\xBE", refused},
        {"255 characters", std::string(255, 'a'), refused},
        {"254 characters", std::string(254, 'a'), SaveResult::Saved},
        {"scrambled form with unlike quotes", "\xB1\xBE", SaveResult::Saved},
        {"scrambled form is one quote", "\xB1", SaveResult::Saved},
        {"empty value", "", SaveResult::Saved},
        {"missing database", "neu", SaveResult::Missing, [&] { p.files.Delete(kDatabase); }},
        {"empty database", "neu", SaveResult::Damaged, [&] { Put(""); }},
        {"foreign file", "neu", SaveResult::Damaged, [&] { Put("[Setup]\r\nx=1\r\n"); }},
        {"disk full", "neu", SaveResult::Failed, [&] { files.beforeWriteAll = [](const std::string&) { return false; }; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Put("[000]\r\n" + Line("Key", "alt") + Line("Other", "alt"));
        p.dialogs.shown.clear();
        files.beforeWriteAll = nullptr;
        c.arrange();
        const std::string before = File();
        const DatabaseValue record[] = {{"Other", "neu"}, {"Key", c.value}};
        EXPECT_EQ(db.Write("000", record), c.result);
        const bool saved = c.result == SaveResult::Saved;
        if (before.starts_with("[000]")) { EXPECT_EQ(db.Read("000", "Key"), saved ? c.value : "alt"); }
        if (!saved) { EXPECT_EQ(File(), before) << "nothing is written, not even an empty value"; }
        ASSERT_EQ(p.dialogs.shown.size(), saved ? 0u : 1u);
        if (c.result == refused) { EXPECT_EQ(p.dialogs.shown[0], CryptRejectedMessage()); }
        if (!saved && c.result != refused) { EXPECT_EQ(p.dialogs.shown[0].text.rfind("Die Datenbank "s + kDatabase, 0), 0u); }
    }
    EXPECT_EQ(p.dialogs.shown[0].text, "Die Datenbank "s + kDatabase + " konnte nicht geschrieben werden "
                                       "(Datentr\xE4ger voll oder keine Schreibrechte).\nDer Datensatz wurde nicht "
                                       "gespeichert, die gespeicherten Daten sind unver\xE4ndert.");
    EXPECT_EQ(p.dialogs.shown[0].icon, MsgIcon::Exclamation);
}

// Reads never write, never crash on damaged bytes, and show the notice once per read of a damaged value.
TEST_F(MemberDatabaseTest, ReadsLeaveEveryFileAsItIs) {
    std::string garbage;
    std::mt19937 random(42);
    for (int i = 0; i < 50000; ++i) garbage.push_back(static_cast<char>(random()));
    for (const std::optional<std::string>& bytes : {std::optional<std::string>(), std::optional(garbage),
                                                    std::optional("[000]\r\n" + Line("A1", "7") + "\0\0[001]\r\n"s)}) {
        if (bytes) Put(*bytes);
        db.Read("000", "A1");
        db.ReadRanges();
        for (int member = 0; member < 100; ++member) db.ReadMember(member);
        db.Load();
        EXPECT_EQ(File(), bytes.value_or("<missing>"));
        EXPECT_EQ(db.IsDatabase(), bytes && bytes->starts_with("[000]"));
    }
    EXPECT_EQ(files.replaces, 0);
    EXPECT_TRUE(p.dialogs.shown.empty());
    Put("[000]\r\n[012]\r\n" + Line("NAME", "Heil") + *Crypt("MANN") + "=\x90\x90\r\n" + *Crypt("ORT") + "=\x91\r\n");
    EXPECT_EQ(db.ReadMember(12).NAME, "Heil");
    EXPECT_EQ(db.Read("012", "MANN"), "");
    EXPECT_EQ(p.dialogs.shown.size(), 2u);
}

}  // namespace
}  // namespace kolvane
