#pragma once
// A small check harness for the test programs that run under Wine, where GoogleTest is not available:
// each failed check prints its place and the case, and the program closes with the plain summary line
// "N passed, N failed" that ctest and CI read, returning non-zero on any failure.
#include <cstdio>
#include <string>

namespace winecheck {

struct Counts {
    int passed = 0;
    int failed = 0;
};

inline Counts& Totals() {
    static Counts counts;
    return counts;
}

inline void Record(bool ok, const char* file, int line, const char* expression, const std::string& context) {
    if (ok) {
        ++Totals().passed;
        return;
    }
    ++Totals().failed;
    std::printf("%s:%d: failed: %s%s%s\n", file, line, expression, context.empty() ? "" : " -- ",
                context.c_str());
}

inline int Summary() {
    std::printf("%d passed, %d failed\n", Totals().passed, Totals().failed);
    std::fflush(stdout);
    return Totals().failed == 0 ? 0 : 1;
}

}  // namespace winecheck

// CHECK(cond, context): context is any std::string naming the case.
#define CHECK(cond, context) ::winecheck::Record(static_cast<bool>(cond), __FILE__, __LINE__, #cond, (context))
#define CHECK_EQ(a, b, context) ::winecheck::RecordEqual((a), (b), __FILE__, __LINE__, #a " == " #b, (context))

namespace winecheck {
inline std::string Show(const std::string& s) { return "\"" + s + "\""; }
inline std::string Show(const char* s) { return Show(std::string(s ? s : "(null)")); }
template <typename T>
std::string Show(const T& value) {
    return std::to_string(value);
}

// Bytes as printable ASCII with \xNN escapes, cut after about the given length.
inline std::string Escaped(const std::string& bytes, std::size_t limit = 400) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (unsigned char c : bytes) {
        if (text.size() > limit) return text + "...";
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            text.push_back(static_cast<char>(c));
        } else {
            text += "\\x";
            text.push_back(kHex[c >> 4]);
            text.push_back(kHex[c & 15]);
        }
    }
    return text;
}

// Evaluates both sides once, so that a check on a wait or a read does not run it again to report it.
template <typename A, typename B>
void RecordEqual(const A& a, const B& b, const char* file, int line, const char* expression,
                 const std::string& context) {
    bool equal = a == b;
    Record(equal, file, line, expression, equal ? context : context + " [" + Show(a) + " vs " + Show(b) + "]");
}
}  // namespace winecheck
