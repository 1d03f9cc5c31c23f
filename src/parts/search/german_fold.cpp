#include "search/german_fold.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/text.h"

namespace kolvane {

namespace {

// Every byte's folded form: one byte, or two for the umlauts and ß.
struct Folding {
    std::array<std::array<char, 2>, 256> bytes{};
    std::array<unsigned char, 256> sizes{};
};

const Folding& Foldings() {
    static const Folding folding = [] {
        Folding f;
        for (int b = 0; b < 256; ++b) {
            f.bytes[b][0] = ToLowerChar(static_cast<char>(b));
            f.sizes[b] = 1;
        }
        constexpr std::string_view kTwoLetters[][2] = {
            {"äÄ", "ae"}, {"öÖ", "oe"}, {"üÜ", "ue"}, {"ß", "ss"},
        };
        for (const auto& [letters, spelled] : kTwoLetters) {
            for (char c : letters) {
                const auto b = static_cast<unsigned char>(c);
                f.bytes[b] = {spelled[0], spelled[1]};
                f.sizes[b] = 2;
            }
        }
        return f;
    }();
    return folding;
}

}  // namespace

// The folded text in the front of buffer, which only ever grows: a pass over many fields fills it
// without clearing it first.
std::string_view FoldInto(std::string_view text, std::string& buffer) {
    const Folding& f = Foldings();
    if (buffer.size() < text.size() * 2) buffer.resize(text.size() * 2);
    char* out = buffer.data();
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        out[0] = f.bytes[b][0];
        out[1] = f.bytes[b][1];
        out += f.sizes[b];
    }
    return {buffer.data(), static_cast<std::size_t>(out - buffer.data())};
}

std::string FoldGerman(std::string_view text) {
    std::string buffer;
    return std::string(FoldInto(text, buffer));
}

bool FoldedTerm::FoundIn(std::string_view field, std::string& scratch) const {
    if (field.size() * 2 < folded_.size()) return false;
    return FoldInto(field, scratch).find(folded_) != std::string_view::npos;
}

bool GermanLess(std::string_view a, std::string_view b) {
    const std::string fa = FoldGerman(a);
    const std::string fb = FoldGerman(b);
    const auto unsignedLess = [](std::string_view x, std::string_view y) {
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](char p, char q) {
            return static_cast<unsigned char>(p) < static_cast<unsigned char>(q);
        });
    };
    if (fa != fb) return unsignedLess(fa, fb);
    return unsignedLess(a, b);
}

}  // namespace kolvane
