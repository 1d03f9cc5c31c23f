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

// The bytes of the database as it is now, read once, so that the other programs' writes cannot get in the
// way of a long scan; empty when there is none. The private copy DATEX.NET in the program folder is
// refreshed from them, written only when it holds other bytes: rewriting a large database unchanged at
// every search would cost more than the scan. A copy that cannot be written changes nothing for the scan,
// which never reads an older copy (of yesterday, or of an hour ago) in place of the database.
std::string SearchBytes(Hub& hub);

}  // namespace kolvane
