#pragma once
// The hit rows one member gives for a term. A member whose several fields match is listed once per
// matching field, in the order of the fields below, so that the user sees why each row is there.
#include <string>
#include <string_view>
#include <vector>

#include "search/german_fold.h"
#include "store/member_record.h"

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

// A pass over many members: the term folded once, one buffer for the folded fields.
class MemberMatcher {
public:
    MemberMatcher(std::string_view term, SearchMode mode) : term_(term), mode_(mode) {}
    // Appends the member's rows to rows.
    void Match(const MemberRecord& member, std::string_view section, std::vector<HitRow>& rows);

private:
    bool Found(const std::string& field) { return term_.FoundIn(field, scratch_); }

    FoldedTerm term_;
    SearchMode mode_;
    std::string scratch_;
};

}  // namespace kolvane
