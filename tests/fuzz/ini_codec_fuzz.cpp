// Fuzz target for the INI codec: any bytes are parsed, read through the document and the index, and
// edited. The parse must hold the lines that the plain statement of the rules finds, the two readers must
// agree, a written value must read back, and nothing may read out of bounds (run with AddressSanitizer).
// Seeds: tests/corpus/ini.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ini_reference.h"
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

// The document's headers and entries in the order of the file, as the reference states lines; a header's
// end is not kept by the document and is compared through the next line's start.
std::vector<kolvane::reference::Line> ParsedLines(const kolvane::IniDocument& document) {
    std::vector<kolvane::reference::Line> lines;
    for (const kolvane::IniSection& section : document.Sections()) {
        if (section.headed) {
            lines.push_back({true, std::string(document.Text(section.name)), "", false, section.begin, 0});
        }
        for (std::size_t i = section.firstEntry; i < section.firstEntry + section.entryCount; ++i) {
            const kolvane::IniEntry& entry = document.Entries()[i];
            lines.push_back({false, std::string(document.Text(entry.name)), std::string(document.Text(entry.value)),
                             entry.hasValue, entry.line.begin, entry.line.end});
        }
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const kolvane::IniDocument document(bytes);
    std::vector<kolvane::reference::Line> expected = kolvane::reference::Lines(bytes);
    for (kolvane::reference::Line& line : expected)
        if (line.header) line.end = 0;
    Require(ParsedLines(document) == expected);
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
