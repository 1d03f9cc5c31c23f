// Feeds arbitrary bytes to the member database index as if they were a whole DATEX.DAT, holds every
// member's record to its single reads and every answer to the codec's (which the Wine tests hold to
// GetPrivateProfileStringA), each within its buffer. ./fuzz.sh runs it on the seeds in tests/corpus/index/;
// the unit tests replay those seeds in every build.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs_memory.h"
#include "platform/ini_codec.h"
#include "platform/text.h"
#include "store/database_index.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const kolvane::IniDocument document(bytes);
    const kolvane::DatabaseIndex index(bytes);

    // Every name the file holds, as section and as key, also in capitals and among blanks, and the header
    // with the database's keys.
    std::vector<std::string> names{"000", "", " 000 ", "\xD2\xA8"};
    for (const kolvane::IniSection& section : document.Sections())
        if (section.headed) names.emplace_back(document.Text(section.name));
    for (const kolvane::IniEntry& entry : document.Entries()) names.emplace_back(document.Text(entry.name));
    if (names.size() > 48) names.resize(48);
    for (std::size_t i = 4, n = names.size(); i < n; ++i) names.push_back(" " + kolvane::ToUpper(names[i]) + "\t");
    for (const std::string& section : names)
        for (const std::string& key : names)
            if (const std::string value = document.Read(section, key);
                value.size() >= kolvane::kIniReadBuffer || index.ReadStored(section, key) != value)
                std::abort();

    kolvane::MemoryDialogs dialogs;  // a pass may show at most one notice
    kolvane::DamageNotice pass(dialogs);
    const kolvane::MemberRanges ranges = index.ReadRanges(pass);
    if (ranges.A1 < 1 || ranges.A1 > 9999 || ranges.B2 < 0 || ranges.B2 > 9999) std::abort();
    kolvane::MemberRecord reused;  // a pass reads every member into one record: nothing may be left over
    for (int member = 0; member <= 1100; ++member) {
        const kolvane::MemberRecord record = index.ReadMember(member, pass);
        index.ReadMember(member, pass, reused);
        if (reused != record) std::abort();
        // The record's walk over the section gives what one read per key gives.
        if (!index.HasSection(kolvane::MemberSection(member))) continue;
        for (const kolvane::MemberKey& key : kolvane::kMemberKeys) {
            if (record.*key.field != index.Read(kolvane::MemberSection(member), key.key, pass)) std::abort();
        }
    }
    if (dialogs.shown.size() > 1) std::abort();
    return 0;
}
