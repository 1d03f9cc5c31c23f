#pragma once
// The line rules of the profile functions written the plain way, one step per rule, for the tests and
// the fuzz target to hold the fast scanner (src/platform/ini_lines.h) to.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kolvane::reference {

struct Line {
    bool header = false;
    std::string name;
    std::string value;
    bool hasValue = false;
    std::size_t begin = 0;  // the line's first byte
    std::size_t end = 0;    // the next line's first byte
    friend bool operator==(const Line&, const Line&) = default;
};

inline bool IsBlank(char c) {
    using namespace std::string_view_literals;
    return "\t\n\v\f\r\x1A "sv.find(c) != std::string_view::npos;
}

inline std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

inline std::string UpToNul(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

// Every header and entry in the order of the bytes; blank lines are left out.
inline std::vector<Line> Lines(std::string_view bytes) {
    std::vector<Line> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t breakAt = std::min(bytes.find_first_of("\r\n", pos), bytes.size());
        std::size_t next = breakAt;
        if (bytes.substr(next, 2) == "\r\n") {
            next += 2;
        } else if (next < bytes.size()) {
            next += 1;
        }
        Line line;
        line.begin = pos;
        line.end = next;
        const std::string_view text = Trim(bytes.substr(pos, breakAt - pos));
        pos = next;
        if (text.empty()) continue;
        const std::size_t close = text.rfind(']');
        if (text.front() == '[' && close != std::string_view::npos) {
            line.header = true;
            line.name = UpToNul(Trim(text.substr(1, close - 1)));
        } else {
            const std::size_t equals = text.find('=');
            line.name = UpToNul(Trim(text.substr(0, equals)));
            if (equals != std::string_view::npos) {
                line.hasValue = true;
                line.value = UpToNul(Trim(text.substr(equals + 1)));
            }
        }
        lines.push_back(line);
    }
    return lines;
}

}  // namespace kolvane::reference
