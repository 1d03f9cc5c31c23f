#include "store/database_index.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <vector>

#include "platform/dialogs_memory.h"
#include "platform/ini_codec.h"
#include "store/crypt.h"
#include "store_fixture.h"

namespace kolvane {
namespace {

using namespace std::string_literals;

// Every name the document holds, in the spellings a caller might use, and names it does not hold.
std::set<std::string> NamesToTry(const IniDocument& document) {
    std::set<std::string> names{"", " ", "000", "042", "x", "\xA0", "\xDE\xD8\xDB\xD1"};
    auto add = [&](std::string_view name) {
        const std::string plain(name);
        names.insert(plain);
        names.insert(" " + plain + "\t");
        std::string upper = plain;
        for (char& c : upper)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        names.insert(upper);
    };
    for (const IniSection& section : document.Sections())
        if (section.headed) add(document.Text(section.name));
    for (const IniEntry& entry : document.Entries()) add(document.Text(entry.name));
    return names;
}

// The index must answer every lookup exactly as the codec does (which the Wine tests pin to Windows).
void ExpectSameAnswersAsTheCodec(const std::string& bytes, const std::string& what) {
    SCOPED_TRACE(what);
    const IniDocument document(bytes);
    const DatabaseIndex index(bytes);
    const std::set<std::string> names = NamesToTry(document);
    for (const std::string& section : names) {
        for (const std::string& key : names) {
            ASSERT_EQ(index.ReadStored(section, key), document.Read(section, key))
                << "section [" << section << "] key [" << key << "]";
        }
    }
}

TEST(DatabaseIndex, AnswersAsTheCodecOnItsEdgeCases) {
    const std::string long254(254, 'x');
    struct Case {
        const char* what;
        std::string file;
    };
    const Case cases[] = {
        {"member sections", "[000]\r\nA1=001\r\n\r\n[042]\r\nNAME=M\xFCller\r\nMANN=J\xFCrgen\r\n"},
        {"case of ASCII names only", "[Abc]\r\nKey=v\r\n\xC4=w\r\n[\xC4]\r\nk=u\r\n"},
        {"first key and first section win", "[s]\r\nk=1\r\nK=2\r\n[S]\r\nk=3\r\nj=4\r\n"},
        {"name without '=' hides later ones", "[s]\r\nk\r\nk=2\r\n"},
        {"blanks around", "  [ s ]  \r\n \t k \t=\t v w \t\r\n\x0B\x0Cj\x1A=\x1A\x0Bu\r\n"},
        {"0xA0 and other controls are no blanks", "[s]\r\nk=\xA0v\xA0\r\nj=\x01v\x1F\r\n\xA0=a\r\n"},
        {"quotes", "[s]\r\na=\"a b\"\r\nb='a'\r\nc=\"a'\r\nd=\"\r\ne=\"\"\r\nf=\"a\"b\"\r\ng=  \" a \"  \r\n"},
        {"the 254-character cut", "[s]\r\na=" + long254 + "\r\nb=" + long254 + "y\r\nc=\"" + long254 + "\"\r\nd=\"" +
                                      long254.substr(1) + "\"\r\n"},
        {"keys before any section", "k=v\r\n[s]\r\nj=w\r\n"},
        {"empty names", "k=v\r\n[]\r\nk=w\r\n[s]\r\n=v\r\n"},
        {"headers to the last ']'", "[s]\r\n[t\r\nk=v\r\n[a]b]\r\nj=u\r\n"},
        {"line ends CR LF, LF, CR", "[s]\rk=1\nj=2\r\ni=3\r\r\nh=4\n\rg=5"},
        {"NUL ends names and values", "[s\0t]\r\nk\0x=v\0w\r\n[u]\r\n\0=z\r\n"s},
        {"member sections spelled otherwise", "[42]\r\nk=a\r\n[0042]\r\nk=b\r\n[ 042 ]\r\nk=c\r\n[042]\r\nk=d\r\n"},
        {"member numbers of five digits", "[10000]\r\nk=v\r\n[9999]\r\nk=w\r\n"},
        {"no final line break", "[s]\r\nk=v"},
        {"empty file", ""},
        {"only blanks", " \t\r\n\r\n\x1A"},
    };
    for (const Case& c : cases) ExpectSameAnswersAsTheCodec(c.file, c.what);
}

TEST(DatabaseIndex, AnswersAsTheCodecOnTheFuzzCorpus) {
    for (const char* folder : {"tests/corpus/ini", "tests/corpus/index"}) {
        const std::filesystem::path corpus = std::filesystem::path(KOLVANE_SOURCE_DIR) / folder;
        if (!std::filesystem::exists(corpus)) continue;
        for (const auto& file : std::filesystem::directory_iterator(corpus)) {
            std::ifstream in(file.path(), std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            ExpectSameAnswersAsTheCodec(bytes, file.path().string());
        }
    }
}

TEST(DatabaseIndex, AnswersAsTheCodecOnRandomFiles) {
    // Bytes that mean something to the reader, and a few that must not.
    const std::string alphabet = "[]= \t\r\n\"'\x0B\x1A\xA0\x01"s + '\0' + "aAbB0";
    std::mt19937 random(20261207);
    for (int round = 0; round < 400; ++round) {
        std::string bytes;
        const std::size_t length = random() % 120;
        for (std::size_t i = 0; i < length; ++i) bytes.push_back(alphabet[random() % alphabet.size()]);
        ExpectSameAnswersAsTheCodec(bytes, "round " + std::to_string(round));
        if (HasFatalFailure()) return;
    }
}

TEST(DatabaseIndex, ReadsMembersByTheirPlainKeys) {
    const std::string file = "[000]\r\n" + Line("A1", "001") + Line("A2", "890") + Line("B1", "895") +
                             "[007]\r\n" + Line("NAME", "M\xFC\xDFig") + Line("MANN", "J\xF6rg") +
                             Line("FRAU", "K\xE4the") + Line("PAAR", "True") + Line("IDENTNR", "12345678901") +
                             Line("FAIDX", "21/815/08150") + Line("STRASSE", "Schlo\xDF" "allee 3a") +
                             Line("ORT", "12345 Musterstadt") + Line("MAIL", "j@example.de") +
                             Line("AUSTRITT", "31.12.2024") + Line("NAME", "Zweiter Name") + Line("EXTRA", "x") +
                             "[1000]\r\n" + Line("NAME", "Tausend") + Line("PAAR", "False") +
                             "[42]\r\n" + Line("NAME", "Falsch geschrieben");
    MemoryDialogs dialogs;
    DamageNotice notice(dialogs);
    const DatabaseIndex index(file);

    const MemberRecord seven = index.ReadMember(7, notice);
    EXPECT_EQ(seven, (MemberRecord{"M\xFC\xDFig", "J\xF6rg", "K\xE4the", "True", "12345678901", "21/815/08150",
                                   "Schlo\xDF" "allee 3a", "12345 Musterstadt", "j@example.de", "31.12.2024"}));
    MemberRecord thousand;
    thousand.NAME = "Tausend";
    thousand.PAAR = "False";
    EXPECT_EQ(index.ReadMember(1000, notice), thousand);
    EXPECT_EQ(index.ReadMember(42, notice), MemberRecord{}) << "member 42 lives in [042], not in [42]";
    EXPECT_EQ(index.ReadMember(8, notice), MemberRecord{});
    EXPECT_EQ(index.ReadMember(-3, notice), MemberRecord{});
    EXPECT_EQ(index.Read("007", "EXTRA", notice), "x");
    EXPECT_EQ(index.Read("007", "\x80", notice), "") << "a key the scrambler refuses is never found";
    EXPECT_EQ(index.ReadRanges(notice), (MemberRanges{1, 890, 895, 1999}));
    EXPECT_TRUE(dialogs.shown.empty());
}

// A member's record must hold what one read per key gives, whatever the section holds: keys twice, in
// any order, spelled in other case, among other keys, as names without '='.
TEST(DatabaseIndex, ARecordHoldsWhatOneReadPerKeyGives) {
    std::vector<std::string> lines;
    for (const MemberKey& key : kMemberKeys) {
        lines.push_back(Line(key.key, "Wert von " + std::string(key.key)));
        lines.push_back(Line(key.key, "zweiter Wert"));
        lines.push_back(*Crypt(key.key) + "\r\n");
        lines.push_back(" " + *Crypt(key.key) + " = " + *Crypt("mit Blanks") + "\r\n");
    }
    for (const char* other : {"Name", "name", "NAMEN", "NAM", "MAN", "MAILS", "EXTRA"}) {
        lines.push_back(Line(other, "x"));
    }
    std::mt19937 random(99);
    MemberRecord reused;  // a pass reads every member into one record
    for (int round = 0; round < 300; ++round) {
        std::string file = "[000]\r\n[001]\r\n";
        const std::size_t count = random() % 24;
        for (std::size_t i = 0; i < count; ++i) file += lines[random() % lines.size()];
        SCOPED_TRACE(round);
        MemoryDialogs dialogs;
        DamageNotice notice(dialogs);
        const DatabaseIndex index(file);
        const MemberRecord record = index.ReadMember(1, notice);
        for (const MemberKey& key : kMemberKeys) {
            ASSERT_EQ(record.*key.field, index.Read("001", key.key, notice)) << key.key;
        }
        index.ReadMember(1 + round % 2, notice, reused);
        ASSERT_EQ(reused, round % 2 == 0 ? record : MemberRecord{}) << "nothing left over from the last member";
    }
}

TEST(DatabaseIndex, ValuesOfEveryLengthAndTheUnscrambledBlank) {
    // "3964" scrambles to four times 0xA0, which the reader must not take for blanks.
    const std::string v254(254, 'a');
    const std::string file = "[000]\r\n" + Line("Key", "3964") + Line("BS1", v254) + *Crypt("BS2") + "=" +
                             *Crypt(v254 + "bcd") + "\r\n";
    EXPECT_EQ(*Crypt("3964"), "\xA0\xA0\xA0\xA0");
    MemoryDialogs dialogs;
    DamageNotice notice(dialogs);
    const DatabaseIndex index(file);
    EXPECT_EQ(index.Read("000", "Key", notice), "3964");
    EXPECT_EQ(index.Read("000", "BS1", notice), v254);
    EXPECT_EQ(index.Read("000", "BS2", notice), v254) << "a longer value comes back cut to 254 characters";
}

TEST(DatabaseIndex, DamagedValuesReadEmptyAndTheNoticeComesOncePerPass) {
    // 0x90 unscrambles to a tab at the first position, which the scrambler rejects.
    const std::string damaged = "\x90\x90";
    std::string file = "[000]\r\n";
    for (int member = 1; member <= 50; ++member) {
        file += "[" + MemberSection(member) + "]\r\n" + Line("NAME", "Name" + std::to_string(member)) +
                *Crypt("MANN") + "=" + damaged + "\r\n" + *Crypt("ORT") + "=" + damaged + "\r\n";
    }
    MemoryDialogs dialogs;
    DamageNotice pass(dialogs);
    const DatabaseIndex index(file);
    for (int member = 1; member <= 50; ++member) {
        const MemberRecord record = index.ReadMember(member, pass);
        EXPECT_EQ(record.NAME, "Name" + std::to_string(member));
        EXPECT_EQ(record.MANN, "");
        EXPECT_EQ(record.ORT, "");
    }
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], CryptRejectedMessage());

    DamageNotice nextPass(dialogs);
    index.ReadMember(1, nextPass);
    EXPECT_EQ(dialogs.shown.size(), 2u) << "a new pass tells the user again";
}

TEST(DatabaseIndex, DamagedFilesReadWithoutCrashing) {
    std::string garbage;
    std::mt19937 random(7);
    for (int i = 0; i < 100000; ++i) garbage.push_back(static_cast<char>(random()));
    const std::string longLine(100000, '\xD3');
    struct Case {
        const char* what;
        std::string file;
        std::string name;  // what NAME of member 1 reads
    };
    const Case cases[] = {
        {"binary garbage", garbage, ""},
        {"garbage after a good record", "[001]\r\n" + Line("NAME", "Gut") + garbage, "Gut"},
        {"a line of 100,000 characters", "[001]\r\n" + *Crypt("NAME") + "=" + longLine + "\r\n",
         *Crypt(longLine.substr(0, 254))},
        {"a header of 100,000 characters", "[" + longLine + "]\r\n[001]\r\n" + Line("NAME", "Gut"), "Gut"},
        {"no final line break", "[001]\r\n" + Line("NAME", "Gut").substr(0, 8), "Gut"},
        {"NUL in the middle", "[001]\r\n" + Line("NAME", "Gut") + "\0\0"s + Line("MANN", "x"), "Gut"},
        {"NUL inside the value", "[001]\r\n" + *Crypt("NAME") + "=" + *Crypt("Gu") + "\0"s + "x\r\n", "Gu"},
        {"empty file", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryDialogs dialogs;
        DamageNotice notice(dialogs);
        const DatabaseIndex index(c.file);
        EXPECT_EQ(index.ReadMember(1, notice).NAME, c.name);
        for (int member = 0; member <= 9999; member += 37) index.ReadMember(member, notice);
        EXPECT_EQ(index.ReadRanges(notice), MemberRanges{});
        EXPECT_LE(dialogs.shown.size(), 1u);
    }
}

}  // namespace
}  // namespace kolvane
