#pragma once
// The lines of an INI file as IniDocument parses them (see ini_codec.h for the rules), visited in one
// pass without building a document: for readers that look up many values and never edit, such as a scan
// over every member of the database. IniDocument keeps edit positions for every line, which costs a
// multiple of the file's size; a reader needs only the names and values.
#include <array>
#include <cstddef>
#include <string_view>

#include "platform/ini_codec.h"

namespace kolvane {

// A header "[name]" or an entry "name=value" / "name"; blank lines are not visited.
struct IniLine {
    bool header = false;
    IniSpan name;           // trimmed, ending at a NUL
    IniSpan value;          // entries: trimmed, ending at a NUL; empty without '='
    bool hasValue = false;  // the entry has an '='
    IniSpan line;           // from the line's first byte to the first byte of the next line
};

// Names compared as the profile functions compare them: ASCII letters without regard to case,
// every other byte as it is.
inline bool IniNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

namespace ini_lines {

// IniIsBlank, inlined: the scan asks it for every line's ends (the unit test holds both to the same bytes).
constexpr bool IsBlank(char c) { return (c >= '\t' && c <= '\r') || c == '\x1A' || c == ' '; }

// The bytes that matter within a line: its end, the first '=', a NUL. One look-up per byte finds them
// all in a single pass.
inline constexpr auto kMarks = [] {
    std::array<bool, 256> marks{};
    for (unsigned char c : {'\r', '\n', '=', '\0'}) marks[c] = true;
    return marks;
}();

// [begin, end) without the blanks at either end, then cut at its first NUL when the line has one.
inline IniSpan TrimAndCut(const char* data, std::size_t begin, std::size_t end, bool lineHasNul) {
    while (begin < end && IsBlank(data[begin])) ++begin;
    while (end > begin && IsBlank(data[end - 1])) --end;
    if (!lineHasNul) return {begin, end};
    std::size_t cut = begin;
    while (cut < end && data[cut] != '\0') ++cut;
    return {begin, cut};
}

}  // namespace ini_lines

// Calls visit(const IniLine&) for every header and entry in the order of the file, or for the headers
// only. Any bytes will do. The lines of a range that starts and ends at line starts (such as a section's
// lines between its header and the next) are scanned alike on their own.
enum class IniScan { Everything, HeadersOnly };

template <IniScan kWhat = IniScan::Everything, typename Visit>
void IniScanLines(std::string_view bytes, Visit&& visit) {
    const char* const data = bytes.data();
    const std::size_t size = bytes.size();
    std::size_t pos = 0;
    while (pos < size) {
        // A line ends at CR LF, LF or CR.
        std::size_t lineEnd = pos;
        std::size_t equals = size;  // the first '=' of the line
        bool nul = false;
        for (; lineEnd < size; ++lineEnd) {
            const char c = data[lineEnd];
            if (!ini_lines::kMarks[static_cast<unsigned char>(c)]) continue;
            if (c == '\r' || c == '\n') break;
            if (c == '\0') {
                nul = true;
            } else if (equals == size) {
                equals = lineEnd;
            }
        }
        IniLine line;
        line.line.begin = pos;
        std::size_t begin = pos;
        std::size_t end = lineEnd;
        pos = lineEnd;
        if (pos < size) pos += data[pos] == '\r' && pos + 1 < size && data[pos + 1] == '\n' ? 2 : 1;
        line.line.end = pos;

        while (begin < end && ini_lines::IsBlank(data[begin])) ++begin;
        if constexpr (kWhat == IniScan::HeadersOnly) {
            if (begin == end || data[begin] != '[') continue;
        }
        while (end > begin && ini_lines::IsBlank(data[end - 1])) --end;
        if (begin == end) continue;

        if (data[begin] == '[') {
            // The name runs to the last ']' of the line; without one the line is an ordinary entry.
            std::size_t close = end;
            while (close > begin && data[close - 1] != ']') --close;
            if (close > begin) {
                line.header = true;
                line.name = ini_lines::TrimAndCut(data, begin + 1, close - 1, nul);
                visit(static_cast<const IniLine&>(line));
                continue;
            }
        }
        if constexpr (kWhat == IniScan::HeadersOnly) continue;
        // '=' is no blank, so the line's first '=' lies within its trimmed part.
        if (equals == size) {
            line.name = ini_lines::TrimAndCut(data, begin, end, nul);
            line.value = {end, end};
        } else {
            line.name = ini_lines::TrimAndCut(data, begin, equals, nul);
            line.value = ini_lines::TrimAndCut(data, equals + 1, end, nul);
            line.hasValue = true;
        }
        visit(static_cast<const IniLine&>(line));
    }
}

}  // namespace kolvane
