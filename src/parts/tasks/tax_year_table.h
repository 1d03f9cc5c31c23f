#pragma once
// `TAXES.CFG`: the outside tax-return programs of the last six tax years, by year, as the member search offers
// them, and section "00" with the three years the suite works on.
#include <string>

#include "hub/hub.h"

namespace kolvane {

// The table as a new installation gets it in the year given.
std::string TaxYearTable(int year);
// Creates a missing table whole (never half-written, an existing one never rewritten), then lets the info
// component announce a tax year that the table does not know yet.
void CompleteTaxYearTable(Hub& hub);

}  // namespace kolvane
