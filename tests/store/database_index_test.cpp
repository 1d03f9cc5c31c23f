#include "store/database_index.h"

#include <gtest/gtest.h>

#include "platform/ini_codec.h"

namespace kolvane {
namespace {

using namespace std::string_literals;

// Both readers of the database answer as the profile functions do (the Wine tests pin the codec to them;
// the fuzz target holds the index to the codec for every name of these files, which its seeds hold too).
TEST(DatabaseIndex, ReadsAsTheProfileFunctionsOnTrickyLines) {
    const std::string x253(253, 'x'), x254(254, 'x');
    const struct { std::string file, section, key, expected; } cases[] = {
        {"[Abc]\r\nKey=v\r\n", "aBC", "KEY", "v"},
        {"[\xC4]\r\n\xD6=v\r\n[s]\r\n\xC4=w\r\n", "\xE4", "\xD6", ""},  // no case pairs beyond ASCII
        {"[s]\r\nk=1\r\nK=2\r\n[S]\r\nk=3\r\nj=4\r\n", "s", "k", "1"},  // first key and first section win
        {"[s]\r\nk=1\r\nK=2\r\n[S]\r\nk=3\r\nj=4\r\n", "s", "j", ""},
        {"[s]\r\nk\r\nk=2\r\n", "s", "k", ""},  // a name without '=' hides later ones
        {"  [ s ]  \r\n \t k \t=\t v w \t\r\n", " \ts\t ", "\x0Bk\x0C", "v w"},
        {"[s]\r\nk=\x0B\x0C\x1Av\x1A\r\n", "s", "k", "v"},
        {"[s]\r\nk=\xA0v\x01\x1F\r\n", "s", "k", "\xA0v\x01\x1F"},  // 0xA0 and other controls are no blanks
        {"[s]\r\nk=  \" a\"b \"  \r\n", "s", "k", " a\"b "},  // matching outer quotes go
        {"[s]\r\nk='a'\r\n", "s", "k", "a"},
        {"[s]\r\nk=" + x254 + "y\r\n", "s", "k", x254},
        {"[s]\r\nk=\"" + x254 + "\"\r\n", "s", "k", x253},
        {"k=v\r\n[s]\r\nj=w\r\n", "s", "k", ""},  // keys before any section
        {"k=v\r\n[]\r\nk=w\r\n", "", "k", ""},
        {"[s]\r\n[t\r\nk=v\r\n", "s", "k", "v"},  // a header needs its ']'
        {"[a]b] ; x\r\nj=u\r\n", "a]b", "j", "u"},  // and goes to the last one
        {"[s]\rk=1\nj=2\r\ni=3\r\r\nh=4\n\rg=5", "s", "g", "5"},  // lines end at CR LF, LF and CR
        {"[s\0t]\r\nk\0x=a\0b\r\n"s, "s", "k", "a"},  // NUL ends names and values
        {"[s]\r\nk=a \0b\r\n"s, "s", "k", "a "},
        {"[42]\r\nk=a\r\n[0042]\r\nk=b\r\n[ 042 ]\r\nk=c\r\n[042]\r\nk=d\r\n", "042", "k", "c"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.file));
        EXPECT_EQ(IniDocument(c.file).Read(c.section, c.key), c.expected);
        EXPECT_EQ(DatabaseIndex(c.file).ReadStored(c.section, c.key), c.expected);
    }
    // The line scanner passes over 8 bytes at a time where all of them lie at 0x40 or above, as scrambled
    // names do: an '=', a line end or a NUL at every place in and around such words must still be seen.
    const std::string high = "\xDD\xD8\xDB\xD1\xC0\xFE\xE4\xF3\xDD\xD8\xDB\xD1\xC0\xFE\xE4\xF3\xDD\xD8\xDB\xD1\xC0\xFE";
    for (std::size_t at = 1; at + 1 < high.size(); ++at) {
        const std::string before = high.substr(0, at), after = high.substr(at + 1);
        for (const auto& [shape, name, value] :
             {std::tuple{'=', before, after + "=v"}, {'\n', after, "v"s}, {'\r', after, "v"s}, {'\0', before, "v"s}}) {
            const std::string file = "[s]\r\n" + before + shape + after + "=v\r\n";
            EXPECT_EQ(IniDocument(file).Read("s", name), value) << testing::PrintToString(file);
            EXPECT_EQ(DatabaseIndex(file).ReadStored("s", name), value) << testing::PrintToString(file);
        }
    }
}

}  // namespace
}  // namespace kolvane
