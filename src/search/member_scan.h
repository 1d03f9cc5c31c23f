#pragma once
// Which file a search reads and which member numbers it visits.
#include <string>
#include <vector>

#include "hub/hub.h"
#include "store/member_ranges.h"

namespace kolvane {

inline constexpr char kSearchCopy[] = "DATEX.NET";

// Range 1, then range 2, each number once: ranges that overlap (B1 not above A2) would otherwise make the
// search visit numbers twice or never end. A backward range 1 (A1 above A2) runs from A1 up to B2, as a
// walk that jumps from A2 to B1 would. The header "000" is no member.
std::vector<int> SearchNumbers(const MemberRanges& ranges);

// The progress bar's value after member n, or -1 where the bar keeps its value (beyond 99).
int SearchProgress(int n);

// The database copied afresh to DATEX.NET in the program folder, where the other programs' writes cannot
// get in the way of a long scan. Only a copy made now is read: when the copy fails, an older copy (of
// yesterday, or of an hour ago) would show members as they were, so the database itself is read instead.
std::string SearchFile(Hub& hub);

}  // namespace kolvane
