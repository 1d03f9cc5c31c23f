#include "platform/text.h"

namespace kolvane {

char ToUpperChar(char c) {
    auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 0x20);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 0x20);
    switch (u) {
        case 0x9A: return static_cast<char>(0x8A);
        case 0x9C: return static_cast<char>(0x8C);
        case 0x9E: return static_cast<char>(0x8E);
        case 0xFF: return static_cast<char>(0x9F);
        default: return c;
    }
}

char ToLowerChar(char c) {
    auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 0x20);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 0x20);
    switch (u) {
        case 0x8A: return static_cast<char>(0x9A);
        case 0x8C: return static_cast<char>(0x9C);
        case 0x8E: return static_cast<char>(0x9E);
        case 0x9F: return static_cast<char>(0xFF);
        default: return c;
    }
}

std::string ToUpper(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = ToUpperChar(c);
    return result;
}

std::string ToLower(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = ToLowerChar(c);
    return result;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ToUpperChar(a[i]) != ToUpperChar(b[i])) return false;
    return true;
}

bool IsDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string CutAtNul(std::string_view text) { return std::string(text.substr(0, text.find('\0'))); }

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool IsUncPath(std::string_view path) { return path.substr(0, 2) == "\\\\"; }

std::string ShownAsIs(std::string_view text) {
    std::string shown;
    for (char c : text) {
        if (c == '&') shown += '&';
        shown += c;
    }
    return shown;
}

}  // namespace kolvane
