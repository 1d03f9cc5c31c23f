// Feeds arbitrary bytes to the search history as if they were REFIND.DAT, puts a term cut from them in front
// and writes the list back: at most 51 terms, none empty; the file written holds the terms it can carry, in
// their order, under one section of no other keys, and gives back exactly them. Seeds: tests/corpus/history.
#include <cstdint>
#include <cstdlib>

#include "platform/ini_codec.h"
#include "search/search_history.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> names = kolvane::NamesIn(bytes);
    kolvane::AddToHistory(names, bytes.substr(size / 3, 24));
    const kolvane::IniDocument written(kolvane::WithNames(bytes, names));
    std::erase_if(names, [](const std::string& name) { return !kolvane::IniValueWritable(name); });
    if (names.size() > kolvane::kHistorySize || std::erase(names, "") || kolvane::NamesIn(written.Bytes()) != names ||
        (written.FindSection("REFIND") && written.FindSection("REFIND")->entryCount != names.size())) std::abort();
    return 0;
}
