#include "store/database_index.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "platform/dialogs_memory.h"
#include "platform/ini_codec.h"
#include "store_fixture.h"

namespace kolvane {
namespace {

using namespace std::string_literals;

// Both readers of the database answer as the profile functions do (the Wine tests pin the codec to them).
TEST(DatabaseIndex, ReadsAsTheProfileFunctionsOnTrickyLines) {
    const std::string x253(253, 'x'), x254(254, 'x');
    const struct { std::string file, section, key, expected; } cases[] = {
        {"[Abc]\r\nKey=v\r\n", "aBC", "KEY", "v"},
        {"[\xC4]\r\n\xD6=v\r\n[s]\r\n\xC4=w\r\n", "\xE4", "\xD6", ""},  // no case pairs beyond ASCII
        {"[s]\r\nk=1\r\nK=2\r\n[S]\r\nk=3\r\nj=4\r\n", "s", "k", "1"},  // first key and first section win
        {"[s]\r\nk\r\nk=2\r\n", "s", "k", ""},  // a name without '=' hides later ones
        {"  [ s ]  \r\n \t k \t=\t v w \t\r\n", " \ts\t ", "\x0Bk\x0C", "v w"},
        {"[s]\r\nk=\x0B\x0C\x1Av\x1A\r\nj=\xA0v\x01\x1F\r\n\xA0=a\r\n", "s", "k", "v"},  // 0xA0 is no blank
        {"[s]\r\nk=  \" a\"b \"  \r\nj=\"a'\r\ni=\"\r\nh=\"\"\r\ng='a'", "s", "k", " a\"b "},  // outer quotes
        {"[s]\r\nk=" + x254 + "y\r\nj=" + x254 + "\r\ni=\"" + x254 + "\"\r\n", "s", "k", x254},
        {"[s]\r\nk=\"" + x254 + "\"\r\nj=\"" + x253 + "\"\r\n", "s", "k", x253},  // quoted 254 loses one
        {"k=v\r\n[]\r\nk=w\r\n[s]\r\n=v\r\n", "", "k", ""},  // keys before any section, empty names
        {"[s]\r\n[t\r\nk=v\r\n[a]b] ; x\r\nj=u\r\n", "s", "k", "v"},  // a header to the last ']' or a line
        {"[s]\rk=1\nj=2\r\ni=3\r\r\nh=4\n\rg=5", "s", "g", "5"},  // lines end at CR LF, LF and CR
        {"[s\0t]\r\nk\0x=a\0b\r\nj=a \0b\r\n[u]\r\n\0=z"s, "s", "k", "a"},  // NUL ends names and values
        {"[42]\r\nk=a\r\n[0042]\r\nk=b\r\n[ 042 ]\r\nk=c\r\n[042]\r\nk=d\r\n[10000]\r\nk=e", "042", "k", "c"},
        {" \t\r\n\r\n\x1A", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.file));
        const IniDocument document(c.file);
        const DatabaseIndex index(c.file);
        EXPECT_EQ(document.Read(c.section, c.key), c.expected);
        // For every name the file holds, in the spellings a caller might use, the index answers as the codec.
        std::set<std::string> names{c.section, c.key, "000", "042", "x"};
        auto add = [&](std::string name) {
            names.insert({name, " " + name + "\t"});
            for (char& ch : name) ch = ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
            names.insert(name);
        };
        for (const IniSection& section : document.Sections()) add(std::string(document.Text(section.name)));
        for (const IniEntry& entry : document.Entries()) add(std::string(document.Text(entry.name)));
        for (const std::string& section : names)
            for (const std::string& key : names)
                ASSERT_EQ(index.ReadStored(section, key), document.Read(section, key)) << "[" << section << "] " << key;
    }
}

TEST(DatabaseIndex, ReadsMembersAndRangesByTheirPlainKeys) {
    // "3964" scrambles to four times 0xA0, which the reader must not take for blanks.
    const std::string file = "[000]\r\n" + Line("Key", "3964") + Line("BS1", std::string(300, 'a')) + "[007]\r\n" +
                             Line("NAME", "M\xFC\xDFig") + Line("NAME", "Zweiter") + "[1000]\r\n" + Line("NAME", "T") +
                             "[42]\r\n" + Line("NAME", "F");
    MemoryDialogs dialogs;
    DamageNotice notice(dialogs);
    const DatabaseIndex index(file);
    EXPECT_EQ(index.ReadMember(7, notice).NAME, "M\xFC\xDFig");
    EXPECT_EQ(index.ReadMember(1000, notice).NAME, "T");
    EXPECT_EQ(index.ReadMember(42, notice), MemberRecord{}) << "member 42 lives in [042], not in [42]";
    EXPECT_EQ(index.ReadMember(-3, notice), MemberRecord{});
    for (const auto& [number, section] : {std::pair{0, "000"}, {42, "042"}, {1000, "1000"}, {-1, ""}}) {
        EXPECT_EQ(MemberSection(number), section);
    }
    EXPECT_EQ(index.Read("007", "\x80", notice), "") << "a key the scrambler refuses is never found";
    EXPECT_EQ(index.Read("000", "Key", notice), "3964");
    EXPECT_EQ(index.Read("000", "BS1", notice), std::string(254, 'a'));
    // A range counts when it is one to four ASCII digits; A1 of 0 is the header, not a member.
    const std::pair<std::array<const char*, 4>, MemberRanges> ranges[] = {
        {{"", "", "", ""}, {1, 999, 1000, 1999}}, {{"001", "890", "0895", "9999"}, {1, 890, 895, 9999}},
        {{"000", "10000", "+5", " 12"}, {1, 999, 1000, 1999}}, {{"0", "1.5", "0x10", "1\xBD"}, {1, 999, 1000, 1999}}};
    for (const auto& [values, expected] : ranges) {
        std::string header = "[000]\r\n";
        for (std::size_t i = 0; i < values.size(); ++i) header += *values[i] ? Line(kRangeKeys[i].key, values[i]) : "";
        EXPECT_EQ(DatabaseIndex(header).ReadRanges(notice), expected) << header;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

// A member's record, read in one walk over its section, must hold what one read per key gives, whatever
// the section holds: keys twice, in any order, in other case, among other keys, as names without '=',
// damaged; and a pass over many members into one record keeps nothing of the last member.
TEST(DatabaseIndex, ARecordHoldsWhatOneReadPerKeyGives) {
    std::vector<std::string> lines;
    for (const MemberKey& key : kMemberKeys) {
        for (const char* value : {"Wert", "zweiter Wert", "\x90\x90"})  // 0x90 unscrambles to a tab: damaged
            lines.push_back(*Crypt(key.key) + "=" + Crypt(value).value_or(value) + "\r\n");
        lines.push_back(*Crypt(key.key) + "\r\n");
        lines.push_back(" " + *Crypt(key.key) + " = " + *Crypt("mit Blanks") + "\r\n");
    }
    for (const char* other : {"Name", "name", "NAMEN", "NAM", "MAN", "MAILS", "EXTRA"}) lines.push_back(Line(other, "x"));
    std::mt19937 random(99);
    MemoryDialogs dialogs;
    DamageNotice pass(dialogs);
    MemberRecord reused;
    for (int round = 0; round < 300; ++round) {
        std::string file = "[000]\r\n[001]\r\n";
        for (std::size_t i = random() % 24; i > 0; --i) file += lines[random() % lines.size()];
        SCOPED_TRACE(testing::PrintToString(file));
        const DatabaseIndex index(file);
        const MemberRecord record = index.ReadMember(1, pass);
        for (const MemberKey& key : kMemberKeys) ASSERT_EQ(record.*key.field, index.Read("001", key.key, pass));
        index.ReadMember(1 + round % 2, pass, reused);
        ASSERT_EQ(reused, round % 2 == 0 ? record : MemberRecord{}) << "nothing left over from the last member";
    }
    EXPECT_EQ(dialogs.shown, std::vector<MessageBoxRequest>{CryptRejectedMessage()}) << "one notice in a pass";
}

// Damaged files read without crashing or running past their end.
TEST(DatabaseIndex, DamagedFilesReadSafely) {
    std::string garbage = "[001]\r\n" + Line("NAME", "Gut");
    std::mt19937 random(7);
    for (int i = 0; i < 100000; ++i) garbage.push_back(static_cast<char>(random()));
    const std::string longLine(100000, '\xD3');
    const std::pair<std::string, std::string> cases[] = {  // the file, and what NAME of member 1 reads
        {garbage, "Gut"},
        {"[001]\r\n" + *Crypt("NAME") + "=" + longLine, *Crypt(longLine.substr(0, 254))},
        {"[" + longLine + "]\r\n[001]\r\n" + Line("NAME", "Gut"), "Gut"},
        {"[001]\r\n" + Line("NAME", "Gut").substr(0, 8), "Gut"},
        {"[001]\r\n" + *Crypt("NAME") + "=" + *Crypt("Gu") + "\0x\r\n"s, "Gu"},
    };
    for (const auto& [file, name] : cases) {
        MemoryDialogs dialogs;
        DamageNotice pass(dialogs);
        const DatabaseIndex index(file);
        EXPECT_EQ(index.ReadMember(1, pass).NAME, name);
        for (int member = 0; member <= 9999; member += 37) index.ReadMember(member, pass);
        EXPECT_EQ(index.ReadRanges(pass), MemberRanges{});
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

}  // namespace
}  // namespace kolvane
