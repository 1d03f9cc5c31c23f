#include "platform/dates.h"

#include <chrono>
#include <cstdio>

namespace kolvane {

std::string ShortDate(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", day % 100, month % 100, year % 10000);
    return text;
}

std::string ShortDate(const DateTime& t) { return ShortDate(t.year, t.month, t.day); }

std::string DottedIsoDate(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d.%02d.%02d", year % 10000, month % 100, day % 100);
    return text;
}

std::string IsoDate(const DateTime& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year % 10000, t.month % 100, t.day % 100);
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

namespace {

// The number the digits text[from, from + count) write, or -1 when one of them is no digit.
int Digits(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// Where a layout of ten characters keeps the day, the month, the year (each at its first digit) and its two
// separators.
struct DateLayout {
    std::size_t day, month, year;
    char separator;
    std::size_t firstSeparator, secondSeparator;
};
constexpr DateLayout kShortDate{0, 3, 6, '.', 2, 5};
constexpr DateLayout kIsoDate{8, 5, 0, '-', 4, 7};

std::optional<DateTime> ReadDate(std::string_view text, const DateLayout& layout) {
    using namespace std::chrono;
    if (text.size() != 10 || text[layout.firstSeparator] != layout.separator ||
        text[layout.secondSeparator] != layout.separator)
        return std::nullopt;
    const int d = Digits(text, layout.day, 2), m = Digits(text, layout.month, 2), y = Digits(text, layout.year, 4);
    if (d < 0 || m < 0 || y < 0) return std::nullopt;
    if (!year_month_day{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}}.ok())
        return std::nullopt;
    return DateTime{y, m, d, 0, 0, 0};
}

std::chrono::sys_days Day(const DateTime& t) {
    using namespace std::chrono;
    return sys_days{year{t.year} / month{static_cast<unsigned>(t.month)} / day{static_cast<unsigned>(t.day)}};
}

}  // namespace

std::optional<DateTime> ReadShortDate(std::string_view text) { return ReadDate(text, kShortDate); }

std::optional<DateTime> ReadIsoDate(std::string_view text) { return ReadDate(text, kIsoDate); }

int DaysBetween(const DateTime& from, const DateTime& to) { return static_cast<int>((Day(to) - Day(from)).count()); }

}  // namespace kolvane
