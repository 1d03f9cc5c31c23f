#include "tasks/tax_year_table.h"

#include <charconv>
#include <cstdio>

#include "hub/hint_message.h"
#include "platform/ini_codec.h"
#include "settings/ini_store.h"
#include "store/safe_ini_writer.h"

namespace kolvane {
namespace {

constexpr char kTableFile[] = "TAXES.CFG";
constexpr char kYearsSection[] = "00";
constexpr char kNewestYearKey[] = "3";
constexpr int kTaxYears = 6;

std::string TwoDigits(int number) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", number);
    return text;
}

// The newest year of section "00"; nothing when it is no number.
std::optional<int> NewestYear(const std::string& text) {
    int year = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return year;
}

}  // namespace

std::string TaxYearTable(int year) {
    IniDocument table;
    for (int i = 1; i <= 3; ++i) table.Write(kYearsSection, std::to_string(i), std::to_string(year - 3 + i));
    const int shortYear = year % 100;
    // Section "06" holds last year's program, down to "01" six years back.
    for (int i = 1; i <= kTaxYears; ++i) {
        const std::string taxYear = std::to_string(year - i), section = "0" + std::to_string(kTaxYears + 1 - i);
        const int programYear = shortYear - i + 1;
        table.Write(section, "Name", "ESt.-VJ. " + taxYear);
        table.Write(section, "Ext", ".ESt" + taxYear);
        table.Write(section, "Dir", taxYear);
        table.Write(section, "App", "Steuer-Spar-Erklärung " + std::to_string(year - i + 1));
        table.Write(section, "Reg", "Steuertips_" + TwoDigits(programYear));
        table.Write(section, "Ver", std::to_string(programYear) + ".01");
    }
    return table.Bytes();
}

void CompleteTaxYearTable(Hub& hub) {
    const std::string path = ProgramFile(hub, kTableFile);
    const int year = hub.os.clock.Now().year;
    if (!hub.os.files.Exists(path)) CreateIniFile(hub.os.files, path, TaxYearTable(year));
    if (!hub.os.files.Exists(path) || !ProgramFileExists(hub, kHintfeed)) return;
    const std::optional<int> newest = NewestYear(IniReadString(hub.os.ini, path, kYearsSection, kNewestYearKey));
    if (newest && year > *newest) StartComponent(hub, kHintfeed, " /c", ShowState::Normal);
}

}  // namespace kolvane
