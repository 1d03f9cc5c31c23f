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
    Put("[000]\r\n");
    EXPECT_EQ(db.Write("000", "A1", "001"), SaveResult::Saved);
    EXPECT_EQ(db.Write("000", "BS1", "M\xFC\x6Chheim"), SaveResult::Saved);
    // Worked out by hand: "A1" -> 0x41^0x93, 0x31^0x99; "001" -> 0x30^0x93, 0x30^0x99, 0x31^0x96.
    EXPECT_EQ(File(), "[000]\r\n" + Bytes({0xD2, 0xA8, '=', 0xA3, 0xA9, 0xA7, '\r', '\n'}) + Line("BS1", "M\xFC\x6Chheim"));
    EXPECT_EQ(db.Read("000", "A1"), "001");
    EXPECT_EQ(db.Read("000", "bs1"), "") << "plain key names differ in case after scrambling, as the peers see them";
    EXPECT_EQ(db.Read("000", "BS1"), "M\xFC\x6Chheim");

    const DatabaseValue record[] = {{"A1", "005"}, {"A2", "890"}, {"B1", "895"}, {"B2", "1999"}};
    EXPECT_EQ(db.Write("000", record), SaveResult::Saved);
    EXPECT_EQ(db.ReadRanges(), (MemberRanges{5, 890, 895, 1999}));
    EXPECT_TRUE(p.dialogs.shown.empty());
    EXPECT_EQ(FolderFiles(), std::vector<std::string>{"DATEX.DAT"});
}

TEST_F(MemberDatabaseTest, RefusesValuesThatWouldNotReadBackAndKeepsTheStoredOne) {
    struct Case {
        const char* what;
        std::string value;
    };
    const Case cases[] = {
        {"tab: scrambles, but never unscrambles", Bytes({'A', 0x09, 'B'})},
        {"line feed", "a\nb"},
        {"euro sign", "5 \x80"},
        {"typographic quote", "\x84Haus\x93"},
        {"scrambled form begins with a blank", Bytes({0xB3, 'a'})},
        {"scrambled form ends with a blank", Bytes({'a', 0xB9})},
        {"scrambled form in double quotes", Bytes({0xB1, 'a', 0xB4})},
        {"scrambled form in single quotes", Bytes({0xB4, 0xBE})},
        {"255 characters", std::string(255, 'a')},
    };
    const std::string before = "[000]\r\n" + Line("Key", "geheim") + "[001]\r\n" + Line("NAME", "Alt");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Put(before);
        p.dialogs.shown.clear();
        EXPECT_EQ(db.Write("000", "Key", c.value), SaveResult::Refused);
        ASSERT_EQ(p.dialogs.shown.size(), 1u);
        EXPECT_EQ(p.dialogs.shown[0], CryptRejectedMessage());
        EXPECT_EQ(File(), before) << "nothing is written, not even an empty value";
        EXPECT_EQ(db.Read("000", "Key"), "geheim");
    }
    p.dialogs.shown.clear();
    for (const std::string& good : {std::string(254, 'a'), Bytes({0xB1, 0xBE}), Bytes({0xB1}), ""s}) {
        EXPECT_EQ(db.Write("000", "Key", good), SaveResult::Saved);
        EXPECT_EQ(db.Read("000", "Key"), good);
    }
    EXPECT_TRUE(p.dialogs.shown.empty());
}

TEST_F(MemberDatabaseTest, ARecordIsSavedWholeOrNotAtAll) {
    const std::string before = "[000]\r\n" + Line("ALizenz1", "Alt") + Line("ALizenz2", "Weg 1");
    Put(before);
    const DatabaseValue record[] = {{"ALizenz1", "Neu"}, {"ALizenz2", "Stra\xDF" "e 2"}, {"ALizenz3", "\x80"}};
    EXPECT_EQ(db.Write("000", record), SaveResult::Refused);
    EXPECT_EQ(File(), before);
    EXPECT_EQ(p.dialogs.shown.size(), 1u);
}

TEST_F(MemberDatabaseTest, EverySpellingOfTheNameIsTheSameFile) {
    Put("[000]\r\n");
    MemberDatabase lower(os, "C:\\Orvintal\\DATEX.dat");
    EXPECT_EQ(lower.Write("000", "MDBLOAD", "0"), SaveResult::Saved);
    EXPECT_EQ(MemberDatabase(os, "c:\\orvintal\\datex.DAT").Read("000", "MDBLOAD"), "0");
    EXPECT_EQ(FolderFiles(), std::vector<std::string>{"DATEX.DAT"});

    const auto other = locks.TryLock(LockFileOf(kDatabase));
    EXPECT_EQ(lower.Write("000", "MDBLOAD", "1"), SaveResult::Busy) << "one lock for every spelling";
}

TEST_F(MemberDatabaseTest, FailedSavesAreReportedAndChangeNothing) {
    struct Case {
        const char* what;
        std::function<void()> arrange;
        SaveResult result;
        std::string text;
    };
    std::unique_ptr<HeldFileLock> held;
    const std::string path = kDatabase;
    const Case cases[] = {
        {"missing database", [&] { p.files.Delete(kDatabase); }, SaveResult::Missing,
         "Die Datenbank " + path + " wurde nicht gefunden.\nDer Datensatz wurde nicht gespeichert."},
        {"empty database", [&] { Put(""); }, SaveResult::Damaged,
         "Die Datenbank " + path + " ist leer oder besch\xE4" "digt (der Kopfbereich fehlt).\nDer Datensatz wurde "
         "nicht gespeichert, die Datei bleibt unver\xE4ndert."},
        {"foreign file", [&] { Put("[Setup]\r\nx=1\r\n"); }, SaveResult::Damaged, ""},
        {"another writer holds the lock", [&] { held = locks.TryLock(LockFileOf(kDatabase)); }, SaveResult::Busy,
         "Die Datenbank " + path + " wird gerade von einem anderen Programm benutzt.\nDer Datensatz wurde nicht "
         "gespeichert, die gespeicherten Daten sind unver\xE4ndert.\nBitte versuchen Sie es in einem Moment noch "
         "einmal."},
        {"disk full", [&] { files.beforeWriteAll = [](const std::string&) { return false; }; }, SaveResult::Failed,
         "Die Datenbank " + path + " konnte nicht geschrieben werden (Datentr\xE4ger voll oder keine "
         "Schreibrechte).\nDer Datensatz wurde nicht gespeichert, die gespeicherten Daten sind unver\xE4ndert."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Put("[000]\r\n" + Line("Key", "alt"));
        held.reset();
        files.beforeWriteAll = nullptr;
        p.dialogs.shown.clear();
        c.arrange();
        const std::string before = File();

        EXPECT_EQ(db.Write("000", "Key", "neu"), c.result);
        EXPECT_EQ(File(), before);
        ASSERT_EQ(p.dialogs.shown.size(), 1u);
        if (!c.text.empty()) {
            EXPECT_EQ(p.dialogs.shown[0].text, c.text);
            EXPECT_EQ(p.dialogs.shown[0].title, " Datenbankfehler");
            EXPECT_EQ(p.dialogs.shown[0].icon, MsgIcon::Exclamation);
        }
        held.reset();
        EXPECT_EQ(FolderFiles().size(), p.files.Exists(kDatabase) ? 1u : 0u);
    }
}

TEST_F(MemberDatabaseTest, DeletesOnlyTheKeyItNames) {
    Put("[000]\r\n" + Line("SIZE", "12") + Line("Key", "x") + "[001]\r\n" + Line("SIZE", "7"));
    EXPECT_EQ(db.Delete("000", "SIZE"), SaveResult::Saved);
    EXPECT_EQ(File(), "[000]\r\n" + Line("Key", "x") + "[001]\r\n" + Line("SIZE", "7"));
    EXPECT_EQ(db.Delete("000", "SIZE"), SaveResult::Saved);
    EXPECT_EQ(files.replaces, 1) << "deleting a missing key writes nothing";
}

TEST_F(MemberDatabaseTest, DamagedValuesReadEmptyWithOneNoticePerRead) {
    Put("[000]\r\n[012]\r\n" + Line("NAME", "Heil") + *Crypt("MANN") + "=\x90\x90\r\n" + *Crypt("FRAU") +
        "=\x90\r\n" + *Crypt("ORT") + "=\x91\x91\r\n");
    MemberRecord expected;
    expected.NAME = "Heil";
    EXPECT_EQ(db.ReadMember(12), expected);
    EXPECT_EQ(p.dialogs.shown.size(), 1u);
    EXPECT_EQ(db.Read("012", "MANN"), "");
    EXPECT_EQ(p.dialogs.shown.size(), 2u);
}

TEST_F(MemberDatabaseTest, MissingDatabaseReadsAsEmptyWithoutAMessage) {
    EXPECT_EQ(db.Read("000", "A1"), "");
    EXPECT_EQ(db.ReadMember(1), MemberRecord{});
    EXPECT_EQ(db.ReadRanges(), MemberRanges{});
    EXPECT_FALSE(db.IsDatabase());
    EXPECT_TRUE(p.dialogs.shown.empty());
    EXPECT_FALSE(p.files.Exists(kDatabase));
}

TEST_F(MemberDatabaseTest, DamagedFilesAreReadWithoutWritingAnything) {
    std::string garbage;
    std::mt19937 random(42);
    for (int i = 0; i < 50000; ++i) garbage.push_back(static_cast<char>(random()));
    const std::string cases[] = {
        garbage,
        "[000]\r\n" + std::string(100000, 'x') + "\r\n[001]\r\n" + std::string(100000, '='),
        "[000]\r\n" + Line("A1", "007").substr(0, 7),
        "[000]\r\n" + Line("A1", "7") + "\0\0[001]\r\n"s + Line("NAME", "x"),
        "",
    };
    for (const std::string& bytes : cases) {
        SCOPED_TRACE(bytes.substr(0, 40));
        Put(bytes);
        db.Read("000", "A1");
        db.ReadRanges();
        for (int member = 0; member < 100; ++member) db.ReadMember(member);
        const DatabaseIndex pass = db.Load();
        EXPECT_EQ(File(), bytes);
        EXPECT_EQ(FolderFiles(), std::vector<std::string>{"DATEX.DAT"});
    }
    EXPECT_EQ(files.replaces, 0);
}

}  // namespace
}  // namespace kolvane
