#pragma once
// A small check harness for the test programs that run under Wine, where GoogleTest is not available:
// each failed check prints its place and the case, and the program closes with the plain summary line
// "N passed, N failed" that ctest and CI read, returning non-zero on any failure.
#include <cstdio>
#include <string>

namespace winecheck {

inline int counts[2];  // passed, failed

inline void Record(bool ok, const char* file, int line, const char* expression, const std::string& context) {
    ++counts[ok ? 0 : 1];
    if (!ok) std::printf("%s:%d: failed: %s -- %s\n", file, line, expression, context.c_str());
}

inline int Summary() {
    std::printf("%d passed, %d failed\n", counts[0], counts[1]);
    std::fflush(stdout);
    return counts[1] == 0 ? 0 : 1;
}

// Bytes as printable ASCII with \xNN escapes, cut after about the given length.
inline std::string Escaped(const std::string& bytes, std::size_t limit = 400) {
    std::string text;
    for (unsigned char c : bytes) {
        if (text.size() > limit) return text + "...";
        char hex[5];
        std::snprintf(hex, sizeof hex, "\\x%02X", c);
        text += c >= 0x20 && c < 0x7F && c != '\\' ? std::string(1, static_cast<char>(c)) : std::string(hex);
    }
    return text;
}

inline std::string Show(const std::string& s) { return "\"" + Escaped(s) + "\""; }
inline std::string Show(const char* s) { return Show(std::string(s)); }
template <typename T>
std::string Show(const T& value) {
    return std::to_string(value);
}

// Evaluates both sides once, so that a check on a wait or a read does not run it again to report it.
template <typename A, typename B>
void RecordEqual(const A& a, const B& b, const char* file, int line, const char* expression,
                 const std::string& context) {
    const bool equal = a == b;
    Record(equal, file, line, expression, equal ? context : context + " [" + Show(a) + " vs " + Show(b) + "]");
}

}  // namespace winecheck

// CHECK(cond, context): context is any std::string naming the case.
#define CHECK(cond, context) ::winecheck::Record(static_cast<bool>(cond), __FILE__, __LINE__, #cond, (context))
#define CHECK_EQ(a, b, context) ::winecheck::RecordEqual((a), (b), __FILE__, __LINE__, #a " == " #b, (context))
