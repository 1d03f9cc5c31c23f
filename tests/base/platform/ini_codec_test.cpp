#include "platform/ini_codec.h"

#include <gtest/gtest.h>

#include "platform/platform_memory.h"

namespace kolvane {
namespace {

using namespace std::string_literals;

// Reading is held to the profile functions under Wine (tests/corpus/ini, the member index's tricky lines
// among them), and so are the edits; that a written value reads back, the fuzz target holds on any bytes.
// Here the layouts an edit must keep, byte for byte, in every other line.
TEST(IniCodec, EditsKeepEveryOtherByte) {
    enum Op { W, DK, DS };  // write, delete key, delete section
    const std::string loose = "; head\n  [a]  \n  x = 1  \n\n; tail\n\n[b]\ny=2\n", longest(kIniTextMax, 'v');
    const struct { std::string before; Op op; std::string section, key, value, after;
                   IniEdit result = IniEdit::Changed; } cases[] = {
        {"[a]\r\nx=1", W, "s", "k", "v", "[a]\r\nx=1\r\n[s]\r\nk=v\r\n"},
        {loose, W, "A", "z", "9", "; head\n  [a]  \n  x = 1  \n\n; tail\nz=9\r\n\n[b]\ny=2\n"},
        {loose, W, "a", "X", "7", "; head\n  [a]  \n  x =7\n\n; tail\n\n[b]\ny=2\n"},
        {"", W, "s", "k", " \t v w  ", "[s]\r\nk=v w  \r\n"},  // leading blanks dropped, trailing ones kept
        {"  [s]\n k =  \"v\"  \n", W, "S", "K", " \"v\"", "  [s]\n k =  \"v\"  \n", IniEdit::Unchanged},
        {"[a]\r\nx=1\r\nk=2", DK, "a", "K", "", "[a]\r\nx=1\r\n"},
        {loose, DS, "A", "", "", "; head\n[b]\ny=2\n"},
        {"", W, "s", "k", longest, "[s]\r\nk=" + longest + "\r\n"},  // the longest the platform carries intact
        // What the profile functions would store otherwise than asked, or not carry intact, is refused.
        {loose, W, " a", "k", "v", loose, IniEdit::Refused},
        {loose, W, "a", "k", "a\r\n[x]", loose, IniEdit::Refused}, {loose, W, "a", "[k", "v", loose, IniEdit::Refused},
        {loose, W, "a", "k", longest + "v", loose, IniEdit::Refused},
        {loose, W, "a", longest + "k", "v", loose, IniEdit::Refused},
        {loose, DS, "", "", "", loose, IniEdit::Refused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.before) + " " + c.section + "/" + c.key + "=" + c.value);
        IniDocument document(c.before);
        EXPECT_EQ(c.op == W    ? document.Write(c.section, c.key, c.value)
                  : c.op == DK ? document.DeleteKey(c.section, c.key) : document.DeleteSection(c.section), c.result);
        EXPECT_EQ(document.Bytes(), c.after);
    }
    const IniDocument quotes("[s]\nk=\"\"\nq='\n");  // quotes are taken off in pairs only
    EXPECT_EQ(quotes.Read("s", "k") + "|" + quotes.Read("s", "q"), "|'");
}

// The in-memory profile functions edit the file as it is through the codec; what they cannot do fails
// without creating or replacing anything.
TEST(IniCodec, TheInMemoryProfileFunctionsEditTheFileAsItIs) {
    MemoryPlatform p;
    const std::string file = "C:\\Daten\\X.INI";
    p.files.Put(file, "[a]\r\nk=1\r\nj=2\r\n[b]\r\nx=3\r\n");
    p.files.CreateFolder("C:\\Daten\\ORDNER.INI");
    // An unchanged value, a refused one, two deletes, a missing folder (not created) and a folder in the way.
    EXPECT_EQ((std::vector<bool>{p.ini.Write(file, "a", "K", "1"), p.ini.Write(file, "a", "k", "x\r\n[y]"),
                                 p.ini.DeleteKey(file, "a", "j"), p.ini.DeleteSection(file, "b"),
                                 p.ini.Write("C:\\Fehlt\\X.INI", "s", "k", "v"), p.ini.Write("C:\\Daten\\ORDNER.INI", "s", "k", "v")}),
              (std::vector<bool>{true, false, true, true, false, false}));
    EXPECT_EQ(p.files.ReadAll(file), "[a]\r\nk=1\r\n");
    EXPECT_EQ(p.files.List("C:\\Daten", "*"), std::vector<std::string>{"X.INI"}) << "no temporary file";
    EXPECT_TRUE(p.files.IsFolder("C:\\Daten\\ORDNER.INI") && !p.files.Exists("C:\\Fehlt"));
}

}  // namespace
}  // namespace kolvane
