#include "store/crypt.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace kolvane {
namespace {

constexpr int kMaskOffset = 96;
constexpr int kLowestCode = 32;
constexpr int kHighestCode = 255;
// The INI reader's buffer of 255 bytes holds at most 254 characters and the terminating zero.
constexpr std::size_t kLongestStoredValue = 254;

bool IsQuote(char c) { return c == '"' || c == '\''; }

// The masks of 8 positions of a key that repeats within them, as one word: byte i of the word (in
// memory order) is the mask of position i.
constexpr std::uint64_t MaskWord(std::string_view key) {
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        const auto mask = std::uint64_t{static_cast<unsigned char>(key[i % key.size()])} + kMaskOffset;
        word |= (mask & 0xFF) << (8 * i);
    }
    return word;
}
// The database key's, worked out once.
constexpr std::uint64_t kDatabaseMasks = MaskWord(kCryptKey);
static_assert(std::endian::native == std::endian::little, "byte i of a word is its bits 8i to 8i+7");

}  // namespace

MessageBoxRequest CryptRejectedMessage() {
    return {std::string(kCryptRejectedText), std::string(kCryptRejectedTitle), MsgButtons::Ok,
            MsgIcon::Exclamation};
}

bool CryptInto(std::string_view text, std::string& out, std::string_view key) {
    // Compared as one word: a pass over a database asks this for every value.
    const bool databaseKey =
        key.size() == kCryptKey.size() && std::memcmp(key.data(), kCryptKey.data(), kCryptKey.size()) == 0;
    if (!databaseKey) {
        // A key code of 160 or more makes a mask above 255, so every code it meets would leave the range.
        bool usable = !key.empty();
        for (std::size_t i = 0; usable && i < std::min(text.size(), key.size()); ++i) {
            usable = static_cast<unsigned char>(key[i]) + kMaskOffset <= kHighestCode;
        }
        if (!usable) {
            out.clear();
            return false;
        }
    }
    bool low = false;
    out.resize(text.size());
    char* const bytes = out.data();
    if (!databaseKey && 8 % key.size() != 0) {
        // The key does not repeat within 8 positions: byte by byte, its position running on without a
        // division per byte.
        for (std::size_t i = 0, k = 0; i < text.size(); ++i) {
            const int v = static_cast<unsigned char>(text[i]) ^ (static_cast<unsigned char>(key[k]) + kMaskOffset);
            low |= v < kLowestCode;
            bytes[i] = static_cast<char>(v);
            if (++k == key.size()) k = 0;
        }
    } else {
        // A member database holds over a megabyte of scrambled text, so the masks of 8 positions (twice
        // the database key) are applied to 8 bytes at a time. The last few bytes of a text of 8 or more
        // are done as the 8 bytes that end it, overlapping those already done, with the masks turned to
        // their positions; a shorter text is gathered into one word of its own.
        const std::uint64_t masks = databaseKey ? kDatabaseMasks : MaskWord(key);
        const std::size_t size = text.size();
        std::uint64_t belowLowest = 0;
        // Bit 7 of each byte of (w | w << 1 | w << 2) is clear exactly where that byte is below 32.
        auto below32 = [](std::uint64_t w) { return ~(w | (w << 1) | (w << 2)); };
        auto word = [&](std::size_t at, std::uint64_t atMasks) {
            std::uint64_t w = 0;
            std::memcpy(&w, text.data() + at, sizeof w);
            w ^= atMasks;
            std::memcpy(bytes + at, &w, sizeof w);
            belowLowest |= below32(w);
        };
        if (size >= 8) {
            for (std::size_t i = 0; i + 8 <= size; i += 8) word(i, masks);
            if (const std::size_t last = size - 8; last % 8 != 0) word(last, std::rotr(masks, static_cast<int>(8 * (last % 8))));
        } else if (size != 0) {
            std::uint64_t w = 0;
            for (std::size_t i = 0; i < size; ++i) w |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
            w ^= masks;
            for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(w >> (8 * i));
            belowLowest = below32(w) & (~std::uint64_t{0} >> (8 * (8 - size)));
        }
        low = (belowLowest & 0x8080808080808080u) != 0;
    }
    if (low) out.clear();
    return !low;
}

std::optional<std::string> Crypt(std::string_view text, std::string_view key) {
    std::string out;
    if (!CryptInto(text, out, key)) return std::nullopt;
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
