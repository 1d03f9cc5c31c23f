#pragma once
// The hit rows one member gives for a term. A member whose several fields match is listed once per
// matching field, in the order of the fields below, so that the user sees why each row is there.
#include <string>
#include <string_view>
#include <vector>

#include "search/german_fold.h"
#include "store/database_index.h"

namespace kolvane {

// One row of the hit list `VNamen`: "ID", "Name", "Vorname(n)".
struct HitRow {
    std::string id;  // the member's section name
    std::string name;
    std::string firstNames;
    friend bool operator==(const HitRow&, const HitRow&) = default;
};

struct SearchMode {
    bool identMode = false;     // only "IDENTNR"
    bool surnamesOnly = false;  // `BErweitert`: first names are not searched
    bool addresses = false;     // `BWohnorte`: street and place are searched too
};

// A pass over many members: the term folded once, one record and one buffer for the folded fields. Only
// the keys that the mode reads are unscrambled, when it reads them: a damaged value that the search does
// not look at (an e-mail address, a date of leaving) neither costs time nor raises the damage notice.
class MemberMatcher {
public:
    MemberMatcher(std::string_view term, SearchMode mode) : term_(term), mode_(mode) {}
    // Appends the rows of member n to rows.
    void Match(const DatabaseIndex& index, int n, DamageNotice& notice, std::vector<HitRow>& rows);

private:
    bool Found(const std::string& field) { return term_.FoundIn(field, scratch_); }
    void MatchName(int n, std::vector<HitRow>& rows);

    FoldedTerm term_;
    SearchMode mode_;
    MemberRecord member_;
    std::string scratch_;
};

}  // namespace kolvane
