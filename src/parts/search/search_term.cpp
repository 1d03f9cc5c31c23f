#include "search/search_term.h"

#include "platform/text.h"

namespace kolvane {

namespace {

constexpr std::size_t kIdentDigits = 11;
constexpr std::size_t kPostcodeDigits = 5;
constexpr std::size_t kGroupedIdentLength = 14;  // "12 345 678 901"

std::string Grouped(std::string_view digits) {
    return std::string(digits.substr(0, 2)) + " " + std::string(digits.substr(2, 3)) + " " +
           std::string(digits.substr(5, 3)) + " " + std::string(digits.substr(8, 3));
}

}  // namespace

SearchTerm RecognizeTerm(std::string_view text) {
    SearchTerm term{std::string(text)};
    const bool numeric = IsDigits(text);
    if (numeric && text.size() == kIdentDigits) {
        term.identNumber = true;
        term.text = Grouped(text);
    } else if (numeric && text.size() == kPostcodeDigits) {
        term.postcode = true;
    }
    const std::string_view t = term.text;
    term.identMode = t.size() == kGroupedIdentLength && IsDigits(t.substr(0, 2)) && IsDigits(t.substr(11, 3));
    return term;
}

bool IsBlankTerm(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace kolvane
