// Fuzz target for the check of a settings backup before it is restored: any bytes give an answer, and a file
// taken for a backup begins with one of the registry editor's two headers.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "options/settings_file_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (!kolvane::SettingsFileRefusal(bytes) && !bytes.starts_with("REGEDIT4") && !bytes.starts_with("\xFF\xFE"))
        std::abort();
    return 0;
}
