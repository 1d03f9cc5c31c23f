#include "platform/ini_lines.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "fuzz/ini_reference.h"

namespace kolvane {
namespace {

using namespace std::string_literals;

TEST(IniLines, BlanksAreTabLineBreaksVerticalTabFormFeedCtrlZAndSpace) {
    for (int code = 0; code < 256; ++code) {
        SCOPED_TRACE(code);
        const bool blank = code == '\t' || code == '\n' || code == '\v' || code == '\f' || code == '\r' ||
                           code == 0x1A || code == ' ';
        EXPECT_EQ(ini_lines::IsBlank(static_cast<char>(code)), blank);
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

std::vector<reference::Line> Scanned(const std::string& bytes) {
    std::vector<reference::Line> lines;
    IniScanLines(bytes, [&](const IniLine& line) {
        auto text = [&](IniSpan span) { return bytes.substr(span.begin, span.end - span.begin); };
        lines.push_back({line.header, text(line.name), text(line.value), line.hasValue, line.line.begin,
                         line.line.end});
    });
    return lines;
}

// The scanner takes 8 bytes at a time where all of them lie at 0x40 or above, so the cases put what
// shapes a line at every place in and around such words.
TEST(IniLines, ScansAsTheRulesSayAtEveryPlaceInAWord) {
    const std::string scrambled = "\xDD\xD8\xDB\xD1\xC0\xFE\xE4\xF3";  // 8 bytes at 0x40 or above
    const std::string shapes[] = {"=", "\r", "\n", "\r\n", "\0"s, " ", "\t", "[", "]", "\x1A", "==", "\n\r"};
    for (const std::string& shape : shapes) {
        for (std::size_t at = 0; at <= 2 * scrambled.size(); ++at) {
            std::string bytes = "[s]\r\n" + scrambled + scrambled + "=" + scrambled + "\r\n";
            bytes.insert(5 + at, shape);
            SCOPED_TRACE(testing::PrintToString(bytes));
            ASSERT_EQ(Scanned(bytes), reference::Lines(bytes));
        }
    }
}

TEST(IniLines, ScansRandomBytesAsTheRulesSay) {
    const std::string alphabet = "[]= \t\r\n\"'\x0B\x0C\x1A\xA0\x01\x40\x3F\xDD\xC0\xFF\xD8" "aA"s + '\0';
    std::mt19937 random(20261207);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes;
        const std::size_t length = random() % 160;
        // Runs of one byte as well, so that whole words of bytes at 0x40 or above occur.
        while (bytes.size() < length) {
            bytes.append(1 + (random() % 12) * (random() % 2), alphabet[random() % alphabet.size()]);
        }
        SCOPED_TRACE(testing::PrintToString(bytes));
        ASSERT_EQ(Scanned(bytes), reference::Lines(bytes));
    }
}

TEST(IniLines, ASectionsLinesScanAsInTheWholeFile) {
    const std::string file = "[a]\r\nk=1\r\n  [b] \nj\0=2\r[c]\r\n\r\nlast=3"s;
    const std::vector<reference::Line> whole = Scanned(file);
    std::vector<reference::Line> headers;
    for (const reference::Line& line : whole)
        if (line.header) headers.push_back(line);
    ASSERT_EQ(headers.size(), 3u);
    for (std::size_t h = 0; h < headers.size(); ++h) {
        SCOPED_TRACE(headers[h].name);
        const std::size_t begin = headers[h].end;
        const std::size_t end = h + 1 < headers.size() ? headers[h + 1].begin : file.size();
        std::vector<reference::Line> expected;
        for (reference::Line line : whole) {
            if (line.begin < begin || line.begin >= end) continue;
            line.begin -= begin;
            line.end -= begin;
            expected.push_back(line);
        }
        EXPECT_EQ(Scanned(file.substr(begin, end - begin)), expected);
    }
}

}  // namespace
}  // namespace kolvane
