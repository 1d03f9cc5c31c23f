#include "platform/ini_codec.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace kolvane {
namespace {

using namespace std::string_literals;

std::string Repeat(char c, std::size_t n) { return std::string(n, c); }

struct ReadCase {
    const char* name;
    std::string file;
    std::string section;
    std::string key;
    std::string expected;
};

std::vector<ReadCase> ReadCases() {
    const std::string member = "[000]\r\nA1=001\r\n\r\n[042]\r\nNAME=Müller\r\nMANN=Jürgen\r\n";
    return {
        {"plain", member, "042", "NAME", "Müller"},
        {"section case", "[Abc]\r\nk=v\r\n", "aBC", "k", "v"},
        {"key case", "[s]\r\nKey=v\r\n", "s", "KEY", "v"},
        {"no umlaut case pairs", "[s]\r\nÄ=v\r\n", "s", "ä", ""},
        {"no umlaut pairs in sections", "[Ä]\r\nk=v\r\n", "ä", "k", ""},
        {"umlaut same case", "[Ä]\r\nÖ=v\r\n", "Ä", "Ö", "v"},
        {"first key wins", "[s]\r\nk=1\r\nK=2\r\n", "s", "k", "1"},
        {"first section wins", "[s]\r\nk=1\r\n[S]\r\nk=2\r\n", "s", "k", "1"},
        {"later duplicate section not seen", "[s]\r\nx=1\r\n[s]\r\nk=2\r\n", "s", "k", ""},
        {"name without '=' reads empty and hides later", "[s]\r\nk\r\nk=2\r\n", "s", "k", ""},
        {"'=' in value", "[s]\r\nk=a=b\r\n", "s", "k", "a=b"},
        {"blanks around", "  [ s ]  \r\n \t k \t=\t v w \t\r\n", "s", "k", "v w"},
        {"requested names trimmed", "[s]\r\nk=v\r\n", " \ts\t ", "\x0Bk\x0C", "v"},
        {"vertical tab, form feed and ^Z are blanks", "[s]\r\nk=\x0B\x0C\x1Av\x1A\r\n", "s", "k", "v"},
        {"0xA0 is no blank", "[s]\r\nk=\xA0v\xA0\r\n", "s", "k", "\xA0v\xA0"},
        {"other control characters are no blanks", "[s]\r\nk=\x01v\x1F\r\n", "s", "k", "\x01v\x1F"},
        {"double quotes", "[s]\r\nk=\"a b\"\r\n", "s", "k", "a b"},
        {"single quotes", "[s]\r\nk='a'\r\n", "s", "k", "a"},
        {"mixed quotes stay", "[s]\r\nk=\"a'\r\n", "s", "k", "\"a'"},
        {"lone quote stays", "[s]\r\nk=\"\r\n", "s", "k", "\""},
        {"empty quotes", "[s]\r\nk=\"\"\r\n", "s", "k", ""},
        {"only outer quotes", "[s]\r\nk=\"a\"b\"\r\n", "s", "k", "a\"b"},
        {"quotes inside blanks", "[s]\r\nk=  \" a \"  \r\n", "s", "k", " a "},
        {"254 whole", "[s]\r\nk=" + Repeat('x', 254) + "\r\n", "s", "k", Repeat('x', 254)},
        {"255 cut", "[s]\r\nk=" + Repeat('x', 255) + "\r\n", "s", "k", Repeat('x', 254)},
        {"100000 cut", "[s]\r\nk=" + Repeat('x', 100000), "s", "k", Repeat('x', 254)},
        {"quoted 253", "[s]\r\nk=\"" + Repeat('x', 253) + "\"\r\n", "s", "k", Repeat('x', 253)},
        {"quoted 254 loses one", "[s]\r\nk=\"" + Repeat('x', 254) + "\"\r\n", "s", "k", Repeat('x', 253)},
        {"quoted 255 cut", "[s]\r\nk=\"" + Repeat('x', 255) + "\"\r\n", "s", "k", Repeat('x', 254)},
        {"keys before any section", "k=v\r\n[s]\r\nj=w\r\n", "s", "k", ""},
        {"empty section name", "k=v\r\n[]\r\nk=w\r\n", "", "k", ""},
        {"empty key name", "[s]\r\n=v\r\n", "s", "", ""},
        {"header without ']' is a line", "[s]\r\n[t\r\nk=v\r\n", "s", "k", "v"},
        {"header to the last ']'", "[a]b]\r\nk=v\r\n", "a]b", "k", "v"},
        {"text after header", "[s] ; note\r\nk=v\r\n", "s", "k", "v"},
        {"comment lines are names", "[s]\r\n;k=v\r\n", "s", ";k", "v"},
        {"LF only", "[s]\nk=v\n", "s", "k", "v"},
        {"CR only", "[s]\rk=v\r", "s", "k", "v"},
        {"no final line break", "[s]\r\nk=v", "s", "k", "v"},
        {"NUL ends a value", "[s]\r\nk=a\0b\r\n"s, "s", "k", "a"},
        {"NUL ends a key name", "[s]\r\nn\0m=1\r\n"s, "s", "n", "1"},
        {"NUL ends a section name", "[t\0u]\r\nk=1\r\n"s, "t", "k", "1"},
        {"NUL in requested name", "[s]\r\nk=1\r\n", "s", "k\0x"s, ""},
        {"blank before NUL kept", "[s]\r\nk=a \0b\r\n"s, "s", "k", "a "},
        {"missing section", member, "043", "NAME", ""},
        {"missing key", member, "042", "FRAU", ""},
        {"empty file", "", "s", "k", ""},
    };
}

TEST(IniCodec, ReadsLikeTheProfileFunctions) {
    for (const ReadCase& c : ReadCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IniDocument(c.file).Read(c.section, c.key), c.expected);
    }
}

enum class Op { Write, DeleteKey, DeleteSection };

struct EditCase {
    const char* name;
    std::string before;
    Op op;
    std::string section;
    std::string key;
    std::string value;
    IniEdit result;
    std::string after;
};

std::vector<EditCase> EditCases() {
    const std::string canonical = "[App1]\r\nkey1=string1\r\nkey2=string2\r\n[App2]\r\nkey4=string4\r\n";
    const std::string loose = "; head\n  [a]  \n  x = 1  \n\n; tail\n\n[b]\ny=2\n";
    return {
        {"new file", "", Op::Write, "s", "k", "v", IniEdit::Changed, "[s]\r\nk=v\r\n"},
        {"new section at the end", canonical, Op::Write, "App3", "key5", "string5", IniEdit::Changed,
         canonical + "[App3]\r\nkey5=string5\r\n"},
        {"new section after a last line without break", "[a]\r\nx=1", Op::Write, "s", "k", "v", IniEdit::Changed,
         "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
        {"new section after blank lines", "[a]\nx=1\n\n", Op::Write, "s", "k", "v", IniEdit::Changed,
         "[a]\nx=1\n\n[s]\r\nk=v\r\n"},
        {"new key after the last key line", canonical, Op::Write, "App1", "key3", "string3", IniEdit::Changed,
         "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n[App2]\r\nkey4=string4\r\n"},
        {"new key before blank lines, after comments", loose, Op::Write, "A", "z", "9", IniEdit::Changed,
         "; head\n  [a]  \n  x = 1  \n\n; tail\nz=9\r\n\n[b]\ny=2\n"},
        {"new key in an empty section", "[a]\r\n\r\n[b]\r\n", Op::Write, "a", "k", "v", IniEdit::Changed,
         "[a]\r\nk=v\r\n\r\n[b]\r\n"},
        {"new key after a last line without break", "[a]\r\nx=1", Op::Write, "a", "k", "v", IniEdit::Changed,
         "[a]\r\nx=1\r\nk=v\r\n"},
        {"new key goes to the first of duplicate sections", "[a]\r\nx=1\r\n[A]\r\nk=2\r\n", Op::Write, "a", "k",
         "3", IniEdit::Changed, "[a]\r\nx=1\r\nk=3\r\n[A]\r\nk=2\r\n"},
        {"value replaced in place", loose, Op::Write, "a", "X", "7", IniEdit::Changed,
         "; head\n  [a]  \n  x =7\n\n; tail\n\n[b]\ny=2\n"},
        {"value of the first of duplicate keys", "[a]\r\nk=1\r\nk=2\r\n", Op::Write, "a", "k", "3",
         IniEdit::Changed, "[a]\r\nk=3\r\nk=2\r\n"},
        {"name without '=' gets a value", "[a]\r\nk  \r\nj=1\r\n", Op::Write, "a", "k", "v", IniEdit::Changed,
         "[a]\r\nk=v\r\nj=1\r\n"},
        {"leading blanks of a value dropped", "", Op::Write, "s", "k", " \t v w  ", IniEdit::Changed,
         "[s]\r\nk=v w  \r\n"},
        {"empty value", "[s]\r\nk=v\r\n", Op::Write, "s", "k", "", IniEdit::Changed, "[s]\r\nk=\r\n"},
        {"same value leaves the bytes", "  [s]\n k =  v  \n", Op::Write, "S", "K", " v", IniEdit::Unchanged,
         "  [s]\n k =  v  \n"},
        {"trailing blanks make a change", "[s]\nk=v\n", Op::Write, "s", "k", "v ", IniEdit::Changed, "[s]\nk=v \n"},
        {"same quoted value leaves the bytes", "[s]\n k = \"v\" \n", Op::Write, "s", "k", "\"v\"",
         IniEdit::Unchanged, "[s]\n k = \"v\" \n"},
        {"same text without quotes is a change", "[s]\nk=\"v\"\n", Op::Write, "s", "k", "v", IniEdit::Changed,
         "[s]\nk=v\n"},
        {"bytes after NUL in other lines kept", "x\0y\r\n[s]\r\nk=1\r\n"s, Op::Write, "s", "k", "2",
         IniEdit::Changed, "x\0y\r\n[s]\r\nk=2\r\n"s},
        {"delete key removes its line", canonical, Op::DeleteKey, "App1", "KEY2", "", IniEdit::Changed,
         "[App1]\r\nkey1=string1\r\n[App2]\r\nkey4=string4\r\n"},
        {"delete last line without break", "[a]\r\nx=1", Op::DeleteKey, "a", "x", "", IniEdit::Changed, "[a]\r\n"},
        {"delete key keeps the header", "[a]\r\nx=1\r\n", Op::DeleteKey, "a", "x", "", IniEdit::Changed,
         "[a]\r\n"},
        {"delete key in a later duplicate section", "[a]\r\nx=1\r\n[A]\r\nk=2\r\n", Op::DeleteKey, "a", "k", "",
         IniEdit::Changed, "[a]\r\nx=1\r\n[A]\r\n"},
        {"delete name without value", "[a]\r\nk\r\nk=2\r\n", Op::DeleteKey, "a", "k", "", IniEdit::Changed,
         "[a]\r\nk=2\r\n"},
        {"delete missing key", loose, Op::DeleteKey, "a", "nope", "", IniEdit::Unchanged, loose},
        {"delete section up to the next header", loose, Op::DeleteSection, "A", "", "", IniEdit::Changed,
         "; head\n[b]\ny=2\n"},
        {"delete first of duplicate sections", "[a]\r\nk=1\r\n[a]\r\nk=2\r\n", Op::DeleteSection, "a", "", "",
         IniEdit::Changed, "[a]\r\nk=2\r\n"},
        {"delete last section", canonical, Op::DeleteSection, "app2", "", "", IniEdit::Changed,
         "[App1]\r\nkey1=string1\r\nkey2=string2\r\n"},
        {"delete missing section", loose, Op::DeleteSection, "c", "", "", IniEdit::Unchanged, loose},
        {"delete in an empty file", "", Op::DeleteSection, "c", "", "", IniEdit::Unchanged, ""},
        {"section name with blanks refused", canonical, Op::Write, " App1", "k", "v", IniEdit::Refused, canonical},
        {"empty section refused", canonical, Op::Write, "", "k", "v", IniEdit::Refused, canonical},
        {"section with ']' refused", canonical, Op::Write, "a]b", "k", "v", IniEdit::Refused, canonical},
        {"key with blanks refused", canonical, Op::Write, "App1", "key1 ", "v", IniEdit::Refused, canonical},
        {"key with '=' refused", canonical, Op::Write, "App1", "a=b", "v", IniEdit::Refused, canonical},
        {"key starting with '[' refused", canonical, Op::Write, "App1", "[k", "v]", IniEdit::Refused, canonical},
        {"value with line break refused", canonical, Op::Write, "App1", "k", "a\r\n[x]", IniEdit::Refused,
         canonical},
        {"value with NUL refused", canonical, Op::Write, "App1", "k", "a\0b"s, IniEdit::Refused, canonical},
        {"longest value", "", Op::Write, "s", "k", Repeat('v', kIniTextMax), IniEdit::Changed,
         "[s]\r\nk=" + Repeat('v', kIniTextMax) + "\r\n"},
        {"value too long for the platform refused", canonical, Op::Write, "App1", "k", Repeat('v', kIniTextMax + 1),
         IniEdit::Refused, canonical},
        {"key too long for the platform refused", canonical, Op::Write, "App1", Repeat('k', kIniTextMax + 1), "v",
         IniEdit::Refused, canonical},
        {"delete with blanks refused", canonical, Op::DeleteKey, "App1", " key1", "", IniEdit::Refused, canonical},
        {"delete of empty section refused", "k=1\r\n", Op::DeleteSection, "", "", "", IniEdit::Refused,
         "k=1\r\n"},
    };
}

IniEdit Apply(IniDocument& document, Op op, const std::string& section, const std::string& key,
              const std::string& value) {
    switch (op) {
        case Op::Write: return document.Write(section, key, value);
        case Op::DeleteKey: return document.DeleteKey(section, key);
        case Op::DeleteSection: return document.DeleteSection(section);
    }
    return IniEdit::Refused;
}

TEST(IniCodec, EditsKeepEveryOtherByte) {
    for (const EditCase& c : EditCases()) {
        SCOPED_TRACE(c.name);
        IniDocument document(c.before);
        EXPECT_EQ(Apply(document, c.op, c.section, c.key, c.value), c.result);
        EXPECT_EQ(document.Bytes(), c.after);
        // The layout follows the edit: a fresh parse of the new bytes gives the same answers.
        IniDocument reparsed(document.Bytes());
        EXPECT_EQ(reparsed.Sections().size(), document.Sections().size());
        EXPECT_EQ(reparsed.Entries().size(), document.Entries().size());
    }
}

TEST(IniCodec, WrittenValuesReadBack) {
    IniDocument document("[000]\r\nA1=001\r\n");
    const std::vector<std::string> values = {"", "x", Repeat('y', 254), "a=b", "ä ö ü ß", "\"q\"", "[x]"};
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        ASSERT_NE(document.Write("000", "Key", value), IniEdit::Refused);
        EXPECT_EQ(document.Read("000", "key"), IniReadBack(value));
        EXPECT_EQ(document.Read("000", "A1"), "001");
    }
}

// Pseudo-random files made of the pieces that matter to the parser, and plain garbage.
std::string RandomFile(std::mt19937& random, bool garbage) {
    static const std::vector<std::string> pieces = {
        "[", "]", "=", "\r", "\n", "\r\n", " ", "\t", "\x1A", "\0"s, "\"", "'", ";", "a", "A", "b", "s", "k",
        "[s]", "[S]", "k=", "x", "\xA0", "ä", "Ä", "[b]\r\n", "k=v\r\n", "=", "K"};
    std::string file;
    const int count = std::uniform_int_distribution<int>(0, 200)(random);
    for (int i = 0; i < count; ++i) {
        if (garbage) {
            file.push_back(static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random)));
        } else {
            file += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        }
    }
    return file;
}

TEST(IniCodec, AnyBytesParseAndEditSafely) {
    std::mt19937 random(20240611);
    const std::vector<std::string> names = {"s", "S", "a", "b", "k", "K", "x", "ä", "Ä", ";", "a]b"};
    for (int round = 0; round < 400; ++round) {
        const std::string file = RandomFile(random, round % 4 == 0);
        SCOPED_TRACE(::testing::PrintToString(file));
        IniDocument document(file);
        // A write changes the one value and no other.
        const std::string& section = names[round % 5];
        const std::string& key = names[(round / 5) % 7];
        IniDocument edited(file);
        ASSERT_NE(edited.Write(section, key, "new"), IniEdit::Refused);
        EXPECT_EQ(edited.Read(section, key), "new");
        for (const std::string& otherSection : names) {
            for (const std::string& otherKey : names) {
                if (IniFoldName(otherSection) == IniFoldName(section) && IniFoldName(otherKey) == IniFoldName(key)) {
                    continue;
                }
                EXPECT_EQ(edited.Read(otherSection, otherKey), document.Read(otherSection, otherKey))
                    << otherSection << "/" << otherKey;
            }
        }
        // A deleted section is gone or shows its next namesake; the others stay.
        IniDocument deleted(file);
        deleted.DeleteSection(section);
        for (const std::string& otherSection : names) {
            if (IniFoldName(otherSection) == IniFoldName(section)) continue;
            EXPECT_EQ(deleted.Read(otherSection, key), document.Read(otherSection, key)) << otherSection;
        }
        // Deleting a key until nothing is left to delete empties it and leaves the others.
        IniDocument keyDeleted(file);
        std::size_t deletions = 0;
        while (keyDeleted.DeleteKey(section, key) == IniEdit::Changed) ASSERT_LE(++deletions, file.size());
        EXPECT_EQ(keyDeleted.Read(section, key), "");
        for (const std::string& otherKey : names) {
            if (IniFoldName(otherKey) == IniFoldName(key)) continue;
            EXPECT_EQ(keyDeleted.Read(section, otherKey), document.Read(section, otherKey)) << otherKey;
        }
    }
}

TEST(IniCodec, LongLinesAndManySections) {
    std::string file;
    for (int n = 1; n <= 2000; ++n) {
        file += "[" + std::to_string(n) + "]\r\nNAME=n" + std::to_string(n) + "\r\nMAIL=" + Repeat('m', 300) + "\r\n";
    }
    file += Repeat('z', 100000);
    const IniDocument document(file);
    EXPECT_EQ(document.Read("1999", "name"), "n1999");
    EXPECT_EQ(document.Read("2000", "MAIL"), Repeat('m', 254));
    EXPECT_EQ(document.Read("2001", "NAME"), "");
}

}  // namespace
}  // namespace kolvane
