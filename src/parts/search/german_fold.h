#pragma once
// Matching and sorting of names the way a German reader compares them: without regard to case, and with
// the umlauts and the sharp s equal to their two-letter spellings, so that "Müller", "Mueller" and
// "MÜLLER" find each other, and "Straße" and "Strasse". Folded: the Windows-1252 case pairs to small
// letters; ä/Ä to "ae", ö/Ö to "oe", ü/Ü to "ue", ß to "ss". Nothing else (é stays é).
#include <string>
#include <string_view>

namespace kolvane {

std::string FoldGerman(std::string_view text);

// A term folded once, looked for in many fields.
class FoldedTerm {
public:
    explicit FoldedTerm(std::string_view term) : folded_(FoldGerman(term)) {}
    // Whether the folded field contains the folded term; scratch holds the folded field.
    bool FoundIn(std::string_view field, std::string& scratch) const;

private:
    std::string folded_;
};

// German text order: folded first, the raw bytes when the folded forms are equal.
bool GermanLess(std::string_view a, std::string_view b);

}  // namespace kolvane
