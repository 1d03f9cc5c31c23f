#pragma once
// The window `Optionen` on an installed system, for the tests of its loading, saving and tools.
#include <algorithm>

#include "hub/hub_fixture.h"
#include "options/options_form.h"

namespace kolvane {

// An installed system whose database folder is the program folder, with the street directory.
struct OptionsSystem : InstalledSystem {
    OptionsSystem() {
        hub.LrDatabase = "C:\\Orvintal\\";
        Put(kDatabase, "[000]\r\n" + Line("A1", "001") + Line("A2", "890") + Line("B1", "900") + Line("B2", "999"));
    }
    std::string Ranges() { return p.files.ReadAll(kDatabase).value_or("<missing>"); }
    // The lines that changed between two dumps: "-" before, "+" after.
    static std::vector<std::string> Diff(const std::vector<std::string>& before, const std::vector<std::string>& after) {
        std::vector<std::string> diff;
        for (const auto& line : before)
            if (std::find(after.begin(), after.end(), line) == after.end()) diff.push_back("-" + line);
        for (const auto& line : after)
            if (std::find(before.begin(), before.end(), line) == before.end()) diff.push_back("+" + line);
        return diff;
    }
};

}  // namespace kolvane
