#pragma once
// The line rules of the profile functions (listed in ini_codec.h) in one scanner: IniDocument builds its
// layout on it, and readers that look up many values and never edit, such as a scan over every member
// of the database, use it directly without building a document.
//
// A member database is over a megabyte of scrambled text, whose bytes lie almost all at 0x80 and above,
// far from the few bytes that shape a line (all below 0x40); the scanner therefore finds those bytes
// 8 at a time and looks at no other.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/ini_codec.h"

namespace kolvane {

// A header "[name]" or an entry "name=value" / "name"; blank lines are not visited.
struct IniLine {
    bool header = false;
    IniSpan name;               // trimmed, ending at a NUL
    IniSpan value;              // entries: trimmed, ending at a NUL; empty without '='
    bool hasValue = false;      // the entry has an '='
    IniSpan line;               // from the line's first byte to the first byte of the next line
    std::size_t lineEnd = 0;    // where the line break starts (or the end of the bytes)
    std::size_t valueSlot = 0;  // entries: where an edit writes the value: after the '=', or after the name
};

// A name's byte as lookups compare it: ASCII letters in lower case, every other byte as it is.
constexpr char IniFoldChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Names compared as the profile functions compare them: ASCII letters without regard to case,
// every other byte as it is.
inline bool IniNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && IniFoldChar(a[i]) != IniFoldChar(b[i])) return false;
    }
    return true;
}

namespace ini_lines {

// The blanks of the profile functions (IniIsBlank), inline for the scan, which trims every line.
// Every blank lies at or below ' ', so most bytes take one comparison.
constexpr bool IsBlank(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u <= ' ' && ((u >= '\t' && u <= '\r') || u == 0x1A || u == ' ');
}
constexpr bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// The bytes of the 8 at p that lie below 0x40, where the bytes that shape a line are (line breaks, '=',
// NUL): bit 7 of each such byte is set. Bit 7 of each byte of (w | w << 1) is its bit 7 or its bit 6.
static_assert(std::endian::native == std::endian::little, "the lowest set bit marks the first byte");
inline std::uint64_t BytesBelow40(const char* p) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return ~(w | (w << 1)) & kHighBits;
}

// The bytes that shape a line: where it ends (CR or LF), its first '=', whether it holds a NUL.
struct LineShape {
    std::size_t end = 0;
    std::size_t equals = 0;  // the size of the bytes when the line has none
    bool nul = false;
};

inline LineShape ShapeOfLine(const char* data, std::size_t size, std::size_t pos) {
    LineShape shape{size, size, false};
    // Notes the byte at; true at the line's end.
    auto ends = [&](std::size_t at) {
        const char c = data[at];
        if (IsLineBreak(c)) {
            shape.end = at;
            return true;
        }
        if (c == '\0') {
            shape.nul = true;
        } else if (c == '=' && shape.equals == size) {
            shape.equals = at;
        }
        return false;
    };
    // Only the bytes below 0x40 are looked at, 8 bytes at a time.
    std::size_t i = pos;
    for (; i + 8 <= size; i += 8) {
        for (std::uint64_t low = BytesBelow40(data + i); low != 0; low &= low - 1) {
            if (ends(i + static_cast<std::size_t>(std::countr_zero(low)) / 8)) return shape;
        }
    }
    for (; i < size; ++i) {
        if (ends(i)) return shape;
    }
    return shape;
}

// [begin, end) without the blanks at its start or at its end.
inline std::size_t SkipBlanks(const char* data, std::size_t begin, std::size_t end) {
    while (begin < end && IsBlank(data[begin])) ++begin;
    return begin;
}
inline std::size_t DropBlanks(const char* data, std::size_t begin, std::size_t end) {
    while (end > begin && IsBlank(data[end - 1])) --end;
    return end;
}

// A trimmed name or value, cut at its first NUL when the line has one.
inline IniSpan Cut(const char* data, std::size_t begin, std::size_t end, bool lineHasNul) {
    if (!lineHasNul) return {begin, end};
    std::size_t cut = begin;
    while (cut < end && data[cut] != '\0') ++cut;
    return {begin, cut};
}

// Reads the line that starts at pos into line; false for a blank line. Returns through next the first
// byte of the following line.
inline bool ReadLine(const char* data, std::size_t size, std::size_t pos, IniLine& line, std::size_t& next) {
    const LineShape shape = ShapeOfLine(data, size, pos);
    // A line ends at CR LF, LF or CR.
    next = shape.end;
    if (next < size) next += data[next] == '\r' && next + 1 < size && data[next + 1] == '\n' ? 2 : 1;
    const std::size_t begin = SkipBlanks(data, pos, shape.end);
    const std::size_t end = DropBlanks(data, begin, shape.end);
    if (begin == end) return false;

    line = IniLine{};
    line.line = {pos, next};
    line.lineEnd = shape.end;
    if (data[begin] == '[') {
        // The name runs to the last ']' of the line; without one the line is an ordinary entry.
        std::size_t close = end;
        while (close > begin && data[close - 1] != ']') --close;
        if (close > begin) {
            line.header = true;
            const std::size_t nameBegin = SkipBlanks(data, begin + 1, close - 1);
            line.name = Cut(data, nameBegin, DropBlanks(data, nameBegin, close - 1), shape.nul);
            return true;
        }
    }
    // '=' is no blank, so the line's first '=' lies within its trimmed part.
    if (shape.equals == size) {
        line.name = Cut(data, begin, end, shape.nul);
        line.value = {end, end};
        line.valueSlot = end;
    } else {
        line.name = Cut(data, begin, DropBlanks(data, begin, shape.equals), shape.nul);
        line.value = Cut(data, SkipBlanks(data, shape.equals + 1, end), end, shape.nul);
        line.hasValue = true;
        line.valueSlot = shape.equals + 1;
    }
    return true;
}

}  // namespace ini_lines

// Calls visit(const IniLine&) for every header and entry in the order of the bytes. Any bytes will do.
// The lines of a range that starts and ends at line starts (such as a section's lines between its
// header and the next) are scanned alike on their own.
template <typename Visit>
void IniScanLines(std::string_view bytes, Visit&& visit) {
    const char* const data = bytes.data();
    const std::size_t size = bytes.size();
    IniLine line;
    std::size_t next = 0;
    for (std::size_t pos = 0; pos < size; pos = next) {
        if (ini_lines::ReadLine(data, size, pos, line, next)) visit(static_cast<const IniLine&>(line));
    }
}

}  // namespace kolvane
