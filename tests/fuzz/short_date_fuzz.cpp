// Fuzz target for the date readers ("dd.mm.yyyy" and "yyyy-mm-dd"): a text one takes for a date is that date
// written back byte for byte, and the day count from it to itself is 0. Seeds: tests/corpus/dates.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/dates.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<kolvane::DateTime> date = kolvane::ReadShortDate(text);
    if (date && (kolvane::ShortDate(*date) != text || kolvane::DaysBetween(*date, *date) != 0)) std::abort();
    const std::optional<kolvane::DateTime> iso = kolvane::ReadIsoDate(text);
    if (iso && (kolvane::IsoDate(*iso) != text || kolvane::DaysBetween(*iso, *iso) != 0)) std::abort();
    return 0;
}
