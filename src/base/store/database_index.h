#pragma once
// A member database file read once into memory for many lookups. Every profile call re-reads and
// re-parses the whole file, so a pass over thousands of members through single reads grows with the
// square of the file; the index answers each lookup from one parse, with exactly the answers of
// GetPrivateProfileStringA (buffer of 255): the first section of a name and its first entry of a name,
// names compared without regard to ASCII case on the stored (scrambled) bytes, blanks trimmed (never
// 0xA0), matching outer quotes removed, at most 254 characters.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ini_lines.h"
#include "store/damage_notice.h"
#include "store/member_ranges.h"
#include "store/member_record.h"

namespace kolvane {

class DatabaseIndex {
public:
    // The whole file's bytes; any bytes will do (damaged parts read as missing or empty).
    explicit DatabaseIndex(std::string bytes = {});

    bool HasSection(std::string_view section) const { return FindSection(section) != nullptr; }
    // The stored text under the stored (scrambled) key, as the profile functions return it.
    std::string ReadStored(std::string_view section, std::string_view storedKey) const;
    // The plain value of a plain key: the key scrambled for the lookup, the value unscrambled.
    std::string Read(std::string_view section, std::string_view key, DamageNotice& notice) const;
    // Every member key of a member's section; missing keys and sections read as empty, and so does every
    // number of more than four digits. The second form reads only the keys asked for, into a record that a
    // pass over many members uses again, so that its texts keep their buffers; the other fields stay as
    // they were. A damaged value raises the notice only when its key is read.
    MemberRecord ReadMember(int number, DamageNotice& notice) const;
    void ReadMember(int number, DamageNotice& notice, MemberRecord& record,
                    MemberKeySet keys = kAllMemberKeys) const;
    // The stored (scrambled) values of the keys asked for, as the profile functions return them, at their
    // places in kMemberKeys; empty when missing. For a pass that looks at values before unscrambling them.
    using StoredMember = std::array<std::string_view, kMemberKeys.size()>;
    void ReadStoredMember(int number, MemberKeySet keys, StoredMember& stored) const;
    // The header's number ranges with their fallbacks.
    MemberRanges ReadRanges(DamageNotice& notice) const;

private:
    static constexpr std::uint32_t kNone = ~std::uint32_t{0};
    // The lines of a section, from after its header to the next header; only the first section of each
    // name is kept, since later ones are never read. Single reads scan its lines when they come.
    struct Section {
        std::uint32_t begin = 0;
        std::uint32_t end = 0;
        std::uint32_t fields = kNone;  // a member's section: its entry in memberFields_
    };
    // Where the stored value of each member key stands in a member's section (empty when missing),
    // found in the same pass that finds the sections: a pass over every member then scans each line of
    // the file once, and a record is only its values unscrambled.
    struct StoredSpan {
        std::uint32_t begin = 0;
        std::uint32_t end = 0;
    };
    using MemberFields = std::array<StoredSpan, kMemberKeys.size()>;

    // The steps of the one pass: a header opens a section (true for the first of a member's number),
    // an entry of such a section may be the first of a member key.
    bool OpenSection(const IniLine& header);
    void NoteMemberField(const IniLine& entry, std::uint16_t& unseen);

    const Section* FindSection(std::string_view section) const;
    const MemberFields* FieldsOf(int number) const;  // nothing for a number without a section
    std::string_view Lines(const Section& section) const;
    std::string_view Stored(StoredSpan span) const;

    std::string bytes_;
    std::vector<Section> sections_;
    std::vector<MemberFields> memberFields_;
    // Sections named as member numbers are named "007", "042", "100", "1000" (see MemberSection); they
    // are found by their number, every other section by its folded name.
    std::vector<std::uint32_t> byNumber_;                    // member number -> sections_, or kNone
    std::unordered_map<std::string, std::uint32_t> byName_;  // folded section name -> sections_
};

}  // namespace kolvane
