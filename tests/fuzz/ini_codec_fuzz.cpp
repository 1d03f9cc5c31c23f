// Fuzz target for the INI codec: any bytes are parsed, read and edited. Every read fits the profile
// functions' buffer, a written value must read back, a delete must shrink the file, and nothing may read
// out of bounds (run with AddressSanitizer).
// Seeds: tests/corpus/ini.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ini_codec.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

// Names to try: the first names the file itself holds, and a few fixed ones.
std::vector<std::string> Names(const kolvane::IniDocument& document) {
    std::vector<std::string> names = {"s", "K", "000"};
    for (const kolvane::IniSection& section : document.Sections()) {
        if (names.size() >= 8) break;
        names.emplace_back(document.Text(section.name));
    }
    for (const kolvane::IniEntry& entry : document.Entries()) {
        if (names.size() >= 16) break;
        names.emplace_back(document.Text(entry.name));
    }
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const kolvane::IniDocument document(bytes);
    const std::vector<std::string> names = Names(document);
    for (const std::string& section : names) {
        for (const std::string& key : names) {
            const std::string value = document.Read(section, key);
            Require(value.size() < kolvane::kIniReadBuffer);
        }
    }

    const std::string& section = names[size % names.size()];
    const std::string& key = names[(size / 7) % names.size()];
    const std::string value = bytes.substr(0, 40);

    kolvane::IniDocument written(bytes);
    if (written.Write(section, key, value) != kolvane::IniEdit::Refused) {
        std::string_view expected = value;
        while (!expected.empty() && kolvane::IniIsBlank(expected.front())) expected.remove_prefix(1);
        Require(written.Read(section, key) == kolvane::IniReadBack(kolvane::IniTrim(expected)));
    }
    kolvane::IniDocument deleted(bytes);
    if (deleted.DeleteKey(section, key) == kolvane::IniEdit::Changed) Require(deleted.Bytes().size() < size);
    if (deleted.DeleteSection(section) == kolvane::IniEdit::Changed) Require(deleted.Bytes().size() < size);
    return 0;
}
