// Fuzz target for the INI codec: any bytes are parsed and edited. A written value must read back, a delete
// must shrink the file, and nothing may read out of bounds (run with AddressSanitizer).
// Seeds: tests/corpus/ini.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/ini_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const kolvane::IniDocument document(bytes);
    // A section and a key the file holds, where it has any (the index target reads every name it holds).
    const auto& sections = document.Sections();
    const auto& entries = document.Entries();
    const std::string section(sections.empty() ? "s" : document.Text(sections[size % sections.size()].name));
    const std::string key(entries.empty() ? "K" : document.Text(entries[size / 7 % entries.size()].name));
    const std::string value = bytes.substr(0, 40);

    kolvane::IniDocument written(bytes);
    if (written.Write(section, key, value) != kolvane::IniEdit::Refused &&
        written.Read(section, key) != kolvane::IniReadBack(kolvane::IniTrim(value)))
        std::abort();
    kolvane::IniDocument deleted(bytes);
    if (deleted.DeleteKey(section, key) == kolvane::IniEdit::Changed && deleted.Bytes().size() >= size) std::abort();
    if (deleted.DeleteSection(section) == kolvane::IniEdit::Changed && deleted.Bytes().size() >= size) std::abort();
    return 0;
}
