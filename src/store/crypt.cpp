#include "store/crypt.h"

namespace kolvane {
namespace {

constexpr int kMaskOffset = 96;
constexpr int kLowestCode = 32;
constexpr int kHighestCode = 255;
// The INI reader's buffer of 255 bytes holds at most 254 characters and the terminating zero.
constexpr std::size_t kLongestStoredValue = 254;

bool IsQuote(char c) { return c == '"' || c == '\''; }

}  // namespace

MessageBoxRequest CryptRejectedMessage() {
    return {std::string(kCryptRejectedText), std::string(kCryptRejectedTitle), MsgButtons::Ok,
            MsgIcon::Exclamation};
}

std::optional<std::string> Crypt(std::string_view text, std::string_view key) {
    if (key.empty()) return std::nullopt;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int c = static_cast<unsigned char>(text[i]);
        const int mask = static_cast<unsigned char>(key[i % key.size()]) + kMaskOffset;
        const int v = mask ^ c;
        if (v < kLowestCode || v > kHighestCode) return std::nullopt;
        out.push_back(static_cast<char>(v));
    }
    return out;
}

bool CanStore(std::string_view plain) {
    const std::optional<std::string> scrambled = Crypt(plain);
    if (!scrambled) return false;
    if (Crypt(*scrambled) != plain) return false;
    const std::string& s = *scrambled;
    if (s.size() > kLongestStoredValue) return false;
    if (s.empty()) return true;
    if (s.front() == ' ' || s.back() == ' ') return false;
    return !(s.size() >= 2 && IsQuote(s.front()) && s.front() == s.back());
}

}  // namespace kolvane
