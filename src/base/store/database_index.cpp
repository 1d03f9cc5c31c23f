#include "store/database_index.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>

#include "platform/ini_codec.h"
#include "platform/ini_lines.h"
#include "store/crypt.h"

namespace kolvane {

namespace {

// Up to 8 bytes of a name as one word (byte i of the name is byte i of the word), ASCII capitals made
// small: one comparison of such words compares two names as the profile functions do. end is where the
// readable bytes end.
static_assert(std::endian::native == std::endian::little, "byte i of a word is its bits 8i to 8i+7");
std::uint64_t FoldedWord(std::string_view name, const char* end) {
    std::uint64_t w = 0;
    const std::size_t size = std::min<std::size_t>(name.size(), 8);
    if (end - name.data() >= 8) {
        std::memcpy(&w, name.data(), sizeof w);
        if (size < 8) w &= ~std::uint64_t{0} >> (8 * (8 - size));
    } else {
        for (std::size_t i = 0; i < size; ++i) w |= std::uint64_t{static_cast<unsigned char>(name[i])} << (8 * i);
    }
    // Bit 7 of each byte of these is set where the byte's low 7 bits reach 'A', and 'Z' + 1.
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Fu;
    constexpr std::uint64_t kHigh = 0x8080808080808080u;
    const std::uint64_t fromA = (w & kLow7) + 0x3F3F3F3F3F3F3F3Fu;
    const std::uint64_t pastZ = (w & kLow7) + 0x2525252525252525u;
    const std::uint64_t capitals = fromA & ~pastZ & ~w & kHigh;
    return w | (capitals >> 2);  // 0x80 >> 2 is the 0x20 between 'A' and 'a'
}

// The member keys as the file stores them, scrambled once for every lookup and folded into words, and
// for each folded first and last byte of a name the keys it may be (a bit per key): no two member keys
// share both, so a name is compared with one key at most.
struct StoredMemberKeys {
    std::array<std::uint64_t, kMemberKeys.size()> words;
    std::array<std::size_t, kMemberKeys.size()> sizes;
    std::array<std::uint16_t, 256> byFirstByte{};
    std::array<std::uint16_t, 256> byLastByte{};
};
static_assert(std::ranges::all_of(kMemberKeys, [](const MemberKey& key) { return key.key.size() <= 8; }),
              "every member key fits one word (scrambling keeps the length)");

const StoredMemberKeys& MemberKeysAsStored() {
    static const StoredMemberKeys keys = [] {
        StoredMemberKeys stored;
        for (std::size_t i = 0; i < kMemberKeys.size(); ++i) {
            const std::string name = *Crypt(kMemberKeys[i].key);
            stored.words[i] = FoldedWord(name, name.data() + name.size());
            stored.sizes[i] = name.size();
            const auto first = static_cast<unsigned char>(IniFoldChar(name.front()));
            const auto last = static_cast<unsigned char>(IniFoldChar(name.back()));
            stored.byFirstByte[first] = static_cast<std::uint16_t>(stored.byFirstByte[first] | 1u << i);
            stored.byLastByte[last] = static_cast<std::uint16_t>(stored.byLastByte[last] | 1u << i);
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

// Which of the member keys not yet met (a bit each in unseen) an entry's name is, or -1. end is where
// the file's bytes end.
int UnseenMemberKey(std::string_view name, std::uint16_t unseen, const char* end) {
    if (name.empty() || name.size() > 8) return -1;
    const StoredMemberKeys& keys = MemberKeysAsStored();
    std::uint16_t candidates = keys.byFirstByte[static_cast<unsigned char>(IniFoldChar(name.front()))] &
                               keys.byLastByte[static_cast<unsigned char>(IniFoldChar(name.back()))] & unseen;
    if (candidates == 0) return -1;
    const std::uint64_t word = FoldedWord(name, end);
    for (; candidates != 0; candidates &= static_cast<std::uint16_t>(candidates - 1)) {
        const auto k = static_cast<std::size_t>(std::countr_zero(candidates));
        if (keys.words[k] == word && keys.sizes[k] == name.size()) return static_cast<int>(k);
    }
    return -1;
}

}  // namespace

DatabaseIndex::DatabaseIndex(std::string bytes) : bytes_(std::move(bytes)) {
    // Offsets are kept in 32 bits; a file of 4 GB is no member database and reads as empty.
    if (bytes_.size() > std::numeric_limits<std::uint32_t>::max()) bytes_.clear();
    byNumber_.assign(kMemberNumbers, kNone);
    bool inMember = false;     // the entries belong to the first section of a member's number
    std::uint16_t unseen = 0;  // the member keys not met yet in it: the first entry of a name wins
    IniScanLines(bytes_, [&](const IniLine& line) {
        if (line.header) {
            inMember = OpenSection(line);
            unseen = kAllMemberKeys;
        } else if (inMember) {
            NoteMemberField(line, unseen);
        }
    });
}

bool DatabaseIndex::OpenSection(const IniLine& header) {
    const std::string_view all = bytes_;
    // The last kept section runs up to the next header.
    if (!sections_.empty() && sections_.back().end == all.size())
        sections_.back().end = static_cast<std::uint32_t>(header.line.begin);
    const auto next = static_cast<std::uint32_t>(sections_.size());
    const std::string_view name = all.substr(header.name.begin, header.name.end - header.name.begin);
    const int number = CanonicalMemberNumber(name);
    if (number >= 0) {
        std::uint32_t& byNumber = byNumber_[static_cast<std::size_t>(number)];
        if (byNumber != kNone) return false;
        byNumber = next;
    } else if (!byName_.try_emplace(IniFoldName(name), next).second) {
        return false;
    }
    sections_.push_back({static_cast<std::uint32_t>(header.line.end), static_cast<std::uint32_t>(all.size())});
    if (number < 0) return false;
    sections_.back().fields = static_cast<std::uint32_t>(memberFields_.size());
    memberFields_.emplace_back();
    return true;
}

void DatabaseIndex::NoteMemberField(const IniLine& entry, std::uint16_t& unseen) {
    const std::string_view all = bytes_;
    const int k = UnseenMemberKey(Text(all, entry.name), unseen, all.data() + all.size());
    if (k < 0) return;
    unseen = static_cast<std::uint16_t>(unseen & ~(1u << k));
    const std::string_view stored = ReadEntry(all, entry);
    if (stored.empty()) return;
    const auto begin = static_cast<std::uint32_t>(stored.data() - all.data());
    memberFields_.back()[static_cast<std::size_t>(k)] = {begin, begin + static_cast<std::uint32_t>(stored.size())};
}

const DatabaseIndex::Section* DatabaseIndex::FindSection(std::string_view section) const {
    if (!IniNameReadable(section)) return nullptr;
    const std::string_view wanted = IniTrim(section);
    const int number = CanonicalMemberNumber(wanted);
    if (number >= 0) {
        const std::uint32_t at = byNumber_[static_cast<std::size_t>(number)];
        return at == kNone ? nullptr : &sections_[at];
    }
    const auto found = byName_.find(IniFoldName(wanted));
    return found == byName_.end() ? nullptr : &sections_[found->second];
}

std::string_view DatabaseIndex::Lines(const Section& section) const {
    return std::string_view(bytes_).substr(section.begin, section.end - section.begin);
}

std::string_view DatabaseIndex::Stored(StoredSpan span) const {
    return std::string_view(bytes_).substr(span.begin, span.end - span.begin);
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
    ReadMember(number, notice, record);
    return record;
}

const DatabaseIndex::MemberFields* DatabaseIndex::FieldsOf(int number) const {
    const std::uint32_t at = number >= 0 && number < kMemberNumbers ? byNumber_[static_cast<std::size_t>(number)]
                                                                    : kNone;
    return at == kNone ? nullptr : &memberFields_[sections_[at].fields];
}

void DatabaseIndex::ReadStoredMember(int number, MemberKeySet keys, StoredMember& stored) const {
    const MemberFields* fields = FieldsOf(number);
    for (std::size_t k = 0; k < kMemberKeys.size(); ++k)
        if (keys & 1u << k) stored[k] = fields == nullptr ? std::string_view() : Stored((*fields)[k]);
}

void DatabaseIndex::ReadMember(int number, DamageNotice& notice, MemberRecord& record, MemberKeySet keys) const {
    const MemberFields* fields = FieldsOf(number);
    for (std::size_t k = 0; k < kMemberKeys.size(); ++k) {
        if ((keys & 1u << k) == 0) continue;
        std::string& field = record.*kMemberKeys[k].field;
        if (fields == nullptr) {
            field.clear();
            continue;
        }
        const std::string_view stored = Stored((*fields)[k]);
        // A rejected value stays empty; the notice, which meets the same rejection, tells the user once
        // per pass.
        if (!CryptInto(stored, field)) notice.Unscramble(stored);
    }
}

MemberRanges DatabaseIndex::ReadRanges(DamageNotice& notice) const {
    std::array<std::string, kRangeKeys.size()> texts;
    for (std::size_t i = 0; i < kRangeKeys.size(); ++i) texts[i] = Read(kHeaderSection, kRangeKeys[i].key, notice);
    return ParseMemberRanges({texts[0], texts[1], texts[2], texts[3]});
}

}  // namespace kolvane
