#pragma once
// Dates and times written the way the suite's German programs write them.
#include <optional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/files.h"

namespace kolvane {

// "dd.mm.yyyy hh:mm:ss", or the date alone at exactly midnight (the general date format of a German system).
std::string GeneralDate(const DateTime& t);
std::string GeneralDate(const FileTime& t);
// "dd.mm.yyyy"
std::string ShortDate(int year, int month, int day);
std::string ShortDate(const DateTime& t);
// "yyyy.mm.dd"
std::string DottedIsoDate(int year, int month, int day);
// "yyyy-mm-dd"
std::string IsoDate(const DateTime& t);

// The day a text "dd.mm.yyyy" names, whatever the locale: exactly two digits, a point, two digits, a point and
// four digits, and a day the calendar has. Anything else (a blank, a time, "31.02.") is no date.
std::optional<DateTime> ReadShortDate(std::string_view text);
// The day a text "yyyy-mm-dd" names, by the same rules.
std::optional<DateTime> ReadIsoDate(std::string_view text);
// Whole calendar days from one day to another, negative when the second comes first; times of day do not count.
int DaysBetween(const DateTime& from, const DateTime& to);

}  // namespace kolvane
