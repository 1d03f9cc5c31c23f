#pragma once
// The hit rows one member gives for a term. A member whose several fields match is listed once per
// matching field, in the order of the fields below, so that the user sees why each row is there.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "search/german_fold.h"
#include "search/stored_value_filter.h"
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
// the keys that the mode reads are looked at, when it reads them: a damaged value that the search does not
// read (an e-mail address, a date of leaving) neither costs time nor raises the damage notice. A value is
// unscrambled only when it can hold the term, and a row's names only when a row is added.
class MemberMatcher {
public:
    MemberMatcher(std::string_view term, SearchMode mode);
    // Appends the rows of member n to rows.
    void Match(const DatabaseIndex& index, int n, DamageNotice& notice, std::vector<HitRow>& rows);

private:
    // Looks at the stored values of the keys; a damaged one raises the notice and reads as empty.
    void Look(MemberKeySet keys);
    bool Found(std::size_t key);
    void MatchName(std::vector<HitRow>& rows);
    // A row with the first names of the couple (by "PAAR") or, after a name match, with the wife's.
    void Add(std::vector<HitRow>& rows, bool byWife);

    FoldedTerm term_;
    StoredValueFilter filter_;
    SearchMode mode_;
    // The member at hand.
    const DatabaseIndex* index_ = nullptr;
    DamageNotice* notice_ = nullptr;
    int n_ = 0;
    DatabaseIndex::StoredMember stored_;
    std::array<StoredLook, kMemberKeys.size()> looks_{};
    bool namesRead_ = false;
    MemberRecord member_;
    std::string plain_, scratch_;
};

}  // namespace kolvane
