#include "search/member_search.h"

namespace kolvane {

void ShowMemberSearch(Hub&) {}

}  // namespace kolvane
