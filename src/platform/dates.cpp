#include "platform/dates.h"

#include <cstdio>

namespace kolvane {

std::string ShortDate(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", day % 100, month % 100, year % 10000);
    return text;
}

std::string DottedIsoDate(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d.%02d.%02d", year % 10000, month % 100, day % 100);
    return text;
}

std::string GeneralDate(const DateTime& t) {
    std::string date = ShortDate(t.year, t.month, t.day);
    if (t.hour == 0 && t.minute == 0 && t.second == 0) return date;
    char time[16];
    std::snprintf(time, sizeof time, " %02d:%02d:%02d", t.hour % 100, t.minute % 100, t.second % 100);
    return date + time;
}

std::string GeneralDate(const FileTime& t) {
    return GeneralDate(DateTime{t.year, t.month, t.day, t.hour, t.minute, t.second});
}

}  // namespace kolvane
