#include "platform/ini_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kolvane {
namespace {

using namespace std::string_literals;

TEST(IniLines, BlanksAreTheCodecsBlanks) {
    for (int code = 0; code < 256; ++code) {
        SCOPED_TRACE(code);
        EXPECT_EQ(ini_lines::IsBlank(static_cast<char>(code)), IniIsBlank(static_cast<char>(code)));
    }
}

TEST(IniLines, NamesCompareWithoutRegardToAsciiCaseOnly) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"Key", "kEY", true}, {"\xC4", "\xE4", false}, {"a", "a ", false}, {"", "", true}, {"[", "{", false},
        {"@", "`", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(IniNamesEqual(c.a, c.b), c.equal);
    }
}

// The scan visits what IniDocument parses, in the same order and with the same spans.
TEST(IniLines, VisitsTheLinesTheDocumentParsesAndTheHeadersAlone) {
    const std::string files[] = {
        "[s]\r\nk=v\r\n",
        "  [ s ] \r\n \tk \t= v w\t\r\nname only\r\n\r\n[t\r\n[a]b]\r\n=\r\n",
        "[s\0t]\rk\0x=v\0w\nj=\"q\"\r\r\n"s,
        "no header=1\n[x]",
        "",
    };
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        const IniDocument document(file);
        std::vector<IniLine> expected;
        for (const IniSection& section : document.Sections()) {
            if (section.headed) expected.push_back({true, section.name, {}, false, {section.begin, 0}});
            for (std::size_t i = section.firstEntry; i < section.firstEntry + section.entryCount; ++i) {
                const IniEntry& entry = document.Entries()[i];
                expected.push_back({false, entry.name, entry.value, entry.hasValue, entry.line});
            }
        }
        std::vector<IniLine> visited;
        IniScanLines(file, [&](const IniLine& line) { visited.push_back(line); });
        std::vector<std::size_t> headers;
        IniScanLines<IniScan::HeadersOnly>(file, [&](const IniLine& line) {
            EXPECT_TRUE(line.header);
            headers.push_back(line.line.begin);
        });
        std::vector<std::size_t> expectedHeaders;
        for (const IniLine& line : expected)
            if (line.header) expectedHeaders.push_back(line.line.begin);
        EXPECT_EQ(headers, expectedHeaders);
        ASSERT_EQ(visited.size(), expected.size());
        for (std::size_t i = 0; i < visited.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(visited[i].header, expected[i].header);
            EXPECT_EQ(document.Text(visited[i].name), document.Text(expected[i].name));
            EXPECT_EQ(visited[i].name.begin, expected[i].name.begin);
            EXPECT_EQ(visited[i].hasValue, expected[i].hasValue);
            EXPECT_EQ(visited[i].line.begin, expected[i].line.begin);
            if (!visited[i].header) {
                EXPECT_EQ(visited[i].line.end, expected[i].line.end);
                EXPECT_EQ(visited[i].value.begin, expected[i].value.begin);
                EXPECT_EQ(visited[i].value.end, expected[i].value.end);
            }
        }
    }
}

}  // namespace
}  // namespace kolvane
