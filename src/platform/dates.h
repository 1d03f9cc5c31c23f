#pragma once
// Dates and times written the way the suite's German programs write them.
#include <string>

#include "platform/clock.h"
#include "platform/files.h"

namespace kolvane {

// "dd.mm.yyyy hh:mm:ss", or the date alone at exactly midnight (the general date format of a German system).
std::string GeneralDate(const DateTime& t);
std::string GeneralDate(const FileTime& t);
// "dd.mm.yyyy"
std::string ShortDate(int year, int month, int day);
// "yyyy.mm.dd"
std::string DottedIsoDate(int year, int month, int day);

}  // namespace kolvane
