#pragma once
// What the text of the term field asks for. An eleven-digit number is a tax identification number,
// which the members' records hold in groups ("12 345 678 901"); five digits are a postcode, which only
// the street and place fields carry.
#include <string>
#include <string_view>

namespace kolvane {

struct SearchTerm {
    std::string text;            // as the term field shows it afterwards
    bool identNumber = false;    // eleven digits, regrouped: tick `bSteuerNr` and beep
    bool postcode = false;       // five digits: tick `BWohnorte`
    bool identMode = false;      // only the identification numbers are searched
    friend bool operator==(const SearchTerm&, const SearchTerm&) = default;
};

SearchTerm RecognizeTerm(std::string_view text);

// A term of blanks only finds every member; it starts no search.
bool IsBlankTerm(std::string_view text);

}  // namespace kolvane
