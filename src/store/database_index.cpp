#include "store/database_index.h"

#include <array>
#include <bit>
#include <limits>

#include "platform/ini_codec.h"
#include "platform/ini_lines.h"
#include "store/crypt.h"

namespace kolvane {

namespace {

// The member keys as the file stores them, scrambled once for every lookup, and for each folded first
// byte of a name the keys it may be (a bit per key): a member's line is then compared with at most the
// keys that share its first byte instead of with all of them.
struct StoredMemberKeys {
    std::array<std::string, kMemberKeys.size()> names;
    std::array<std::uint16_t, 256> byFirstByte{};
};
static_assert(kMemberKeys.size() <= 16, "one bit per member key");

const StoredMemberKeys& MemberKeysAsStored() {
    static const StoredMemberKeys keys = [] {
        StoredMemberKeys stored;
        for (std::size_t i = 0; i < kMemberKeys.size(); ++i) {
            stored.names[i] = *Crypt(kMemberKeys[i].key);
            const auto first = static_cast<unsigned char>(IniFoldChar(stored.names[i].front()));
            stored.byFirstByte[first] = static_cast<std::uint16_t>(stored.byFirstByte[first] | 1u << i);
        }
        return stored;
    }();
    return keys;
}

constexpr int kMemberNumbers = 10000;  // member numbers have at most four digits

// The member number that a section name spells the way MemberSection writes it, or -1.
int CanonicalMemberNumber(std::string_view name) {
    if (name.size() != 3 && (name.size() != 4 || name[0] == '0')) return -1;
    int number = 0;
    for (char c : name) {
        if (c < '0' || c > '9') return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

std::string_view Text(std::string_view lines, IniSpan span) { return lines.substr(span.begin, span.end - span.begin); }

// What a reader gets from an entry line.
std::string_view ReadEntry(std::string_view lines, const IniLine& entry) {
    return entry.hasValue ? IniReadBack(Text(lines, entry.value)) : std::string_view();
}

}  // namespace

DatabaseIndex::DatabaseIndex(std::string bytes) : bytes_(std::move(bytes)) {
    // Offsets are kept in 32 bits; a file of 4 GB is no member database and reads as empty.
    if (bytes_.size() > std::numeric_limits<std::uint32_t>::max()) bytes_.clear();
    byNumber_.assign(kMemberNumbers, kNoSection);
    const std::string_view all = bytes_;
    bool open = false;  // the last kept section runs up to the next header
    IniScanLines<IniScan::HeadersOnly>(all, [&](const IniLine& header) {
        if (open) sections_.back().end = static_cast<std::uint32_t>(header.line.begin);
        open = false;
        const auto next = static_cast<std::uint32_t>(sections_.size());
        const std::string_view name = all.substr(header.name.begin, header.name.end - header.name.begin);
        const int number = CanonicalMemberNumber(name);
        bool first = false;
        if (number >= 0) {
            first = byNumber_[static_cast<std::size_t>(number)] == kNoSection;
            if (first) byNumber_[static_cast<std::size_t>(number)] = next;
        } else {
            first = byName_.try_emplace(IniFoldName(name), next).second;
        }
        if (!first) return;
        const auto begin = static_cast<std::uint32_t>(header.line.end);
        sections_.push_back({begin, static_cast<std::uint32_t>(all.size())});
        open = true;
    });
}

const DatabaseIndex::Section* DatabaseIndex::FindSection(std::string_view section) const {
    if (!IniNameReadable(section)) return nullptr;
    const std::string_view wanted = IniTrim(section);
    const int number = CanonicalMemberNumber(wanted);
    if (number >= 0) return MemberSectionOf(number);
    const auto found = byName_.find(IniFoldName(wanted));
    return found == byName_.end() ? nullptr : &sections_[found->second];
}

const DatabaseIndex::Section* DatabaseIndex::MemberSectionOf(int number) const {
    if (number < 0 || number >= kMemberNumbers) return FindSection(MemberSection(number));
    const std::uint32_t at = byNumber_[static_cast<std::size_t>(number)];
    return at == kNoSection ? nullptr : &sections_[at];
}

std::string_view DatabaseIndex::Lines(const Section& section) const {
    return std::string_view(bytes_).substr(section.begin, section.end - section.begin);
}

std::string DatabaseIndex::ReadStored(std::string_view section, std::string_view storedKey) const {
    const Section* found = FindSection(section);
    if (found == nullptr || !IniNameReadable(storedKey)) return {};
    const std::string_view wanted = IniTrim(storedKey);
    const std::string_view lines = Lines(*found);
    std::string value;
    bool seen = false;
    IniScanLines(lines, [&](const IniLine& entry) {
        if (seen || !IniNamesEqual(Text(lines, entry.name), wanted)) return;
        seen = true;
        value = std::string(ReadEntry(lines, entry));
    });
    return value;
}

std::string DatabaseIndex::Read(std::string_view section, std::string_view key, DamageNotice& notice) const {
    const std::optional<std::string> storedKey = Crypt(key);
    if (!storedKey) return {};
    return notice.Unscramble(ReadStored(section, *storedKey));
}

MemberRecord DatabaseIndex::ReadMember(int number, DamageNotice& notice) const {
    MemberRecord record;
    const Section* found = MemberSectionOf(number);
    if (found == nullptr) return record;
    const StoredMemberKeys& keys = MemberKeysAsStored();
    std::uint16_t unseen = static_cast<std::uint16_t>((1u << kMemberKeys.size()) - 1);
    const std::string_view lines = Lines(*found);
    // One walk over the section: the first entry of each name wins, as for single reads.
    IniScanLines(lines, [&](const IniLine& entry) {
        const std::string_view name = Text(lines, entry.name);
        if (name.empty()) return;
        std::uint16_t candidates = keys.byFirstByte[static_cast<unsigned char>(IniFoldChar(name.front()))] & unseen;
        for (; candidates != 0; candidates &= static_cast<std::uint16_t>(candidates - 1)) {
            const int k = std::countr_zero(candidates);
            if (!IniNamesEqual(name, keys.names[k])) continue;
            unseen = static_cast<std::uint16_t>(unseen & ~(1u << k));
            const std::string_view stored = ReadEntry(lines, entry);
            // A rejected value stays empty; the notice, which meets the same rejection, tells the user
            // once per pass.
            if (!CryptInto(stored, record.*kMemberKeys[k].field)) notice.Unscramble(stored);
            return;
        }
    });
    return record;
}

MemberRanges DatabaseIndex::ReadRanges(DamageNotice& notice) const {
    std::array<std::string, kRangeKeys.size()> texts;
    for (std::size_t i = 0; i < kRangeKeys.size(); ++i) texts[i] = Read(kHeaderSection, kRangeKeys[i].key, notice);
    return ParseMemberRanges({texts[0], texts[1], texts[2], texts[3]});
}

}  // namespace kolvane
