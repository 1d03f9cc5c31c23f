#pragma once
#include "hub/hub.h"

namespace kolvane {

// The caption of the search window `Suchen`, by which a second opening finds the first.
inline constexpr char kMemberSearchCaption[] = " Personen suchen";

// Opens the member search window.
void ShowMemberSearch(Hub& hub);

}  // namespace kolvane
