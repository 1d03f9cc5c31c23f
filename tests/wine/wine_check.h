#pragma once
// A small check harness for the test programs that run under Wine, where GoogleTest is not available:
// each failed check prints its place and the case, and the program closes with the plain summary line
// "N passed, N failed" that ctest and CI read, returning non-zero on any failure.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

#include "platform/files_win32.h"

// CHECK(cond, context): context is any std::string naming the case, and the check returns cond;
// CHECK_TEXT compares two texts.
#define CHECK(cond, context) ::winecheck::Record(static_cast<bool>(cond), __FILE__, __LINE__, #cond, (context))
#define CHECK_TEXT(a, b, context) ::winecheck::RecordEqual((a), (b), __FILE__, __LINE__, #a " == " #b, (context))

namespace winecheck {

inline int counts[2];  // passed, failed

inline bool Record(bool ok, const char* file, int line, const char* expression, const std::string& context) {
    ++counts[ok ? 0 : 1];
    if (!ok) std::printf("%s:%d: failed: %s -- %s\n", file, line, expression, context.c_str());
    return ok;
}

inline int Summary() {
    std::printf("%d passed, %d failed\n", counts[0], counts[1]);
    return counts[1] == 0 ? 0 : 1;
}

// The first 400 bytes as printable ASCII with \xNN escapes.
inline std::string Escaped(const std::string& bytes) {
    std::string text, hex = "0123456789ABCDEF";
    for (unsigned char c : bytes.substr(0, 400))
        text += c >= 0x20 && c < 0x7F && c != '\\' ? std::string(1, c)
                                                   : std::string{'\\', 'x', hex[c >> 4], hex[c & 15]};
    return bytes.size() > 400 ? text + "..." : text;
}

// Two texts compared, both shown escaped when they differ.
inline void RecordEqual(const std::string& a, const std::string& b, const char* file, int line, const char* expression,
                        const std::string& context) {
    Record(a == b, file, line, expression, a == b ? context : context + " [" + Escaped(a) + " vs " + Escaped(b) + "]");
}

// The bytes of a file after Wine has flushed its profile cache; none when the file does not exist.
inline std::optional<std::string> FileBytes(const std::string& path) {
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
    return kolvane::Win32Files().ReadAll(path);
}

// A new file NUMBER + name in %TEMP%, written when bytes are given. Numbered, as Wine caches profiles by
// name; never removed, as %TEMP% lies in the throw-away prefix of the run (see wine-run.sh).
inline std::string NewFile(const std::string& name, const std::optional<std::string>& bytes) {
    static int count = 0;
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    const std::string path = temp + std::to_string(++count) + name;
    if (bytes) CHECK(kolvane::Win32Files().WriteAll(path, *bytes), "write " + path);
    return path;
}

}  // namespace winecheck
