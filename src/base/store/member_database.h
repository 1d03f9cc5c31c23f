#pragma once
// The member database DATEX.DAT (or one of its copies: DATEX.BAK, DATEX.NET) as the suite shares it:
// an INI file whose section names are plain and whose key names and values are scrambled with the
// database key. This is the one place that scrambles for it, so that no caller repeats that.
//
// Reading follows the profile functions' rules (the codec's, pinned to GetPrivateProfileStringA by the
// Wine tests). Writing goes through the safe writer: never in place, never creating a missing file, and
// never into a file without the header section (an empty or foreign file would otherwise become a
// database that the restore check trusts and the backup rotation keeps).
// A value is written only when it reads back exactly as given; otherwise the whole record is refused,
// the stored values stay as they were and the user sees the scrambler's notice that the record was not
// saved. Any other failed save is reported to the user as well.
#include <span>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "store/database_index.h"
#include "store/member_ranges.h"
#include "store/member_record.h"
#include "store/safe_ini_writer.h"

namespace kolvane {

// One key and its new plain value, for a record saved in one go.
struct DatabaseValue {
    std::string_view key;
    std::string_view value;
};

// Several changes to one section saved in one go, all or none: keys of an older plain (unscrambled) form
// removed, values written, and defaults written only where the key reads empty at the moment of the save.
struct SectionChange {
    std::span<const std::string_view> removedPlainKeys;
    std::span<const DatabaseValue> values;
    std::span<const DatabaseValue> defaults;
};

class MemberDatabase {
public:
    // path: the full name of the file, e.g. the database folder followed by "DATEX.DAT".
    MemberDatabase(Platform& os, std::string path);

    const std::string& Path() const { return path_; }
    bool Exists();
    // The file exists and has the header section: a member database, not an empty or foreign file.
    bool IsDatabase();

    // Single reads, each on the file as it is now; missing reads as empty. A damaged value reads as
    // empty and shows the notice once per call.
    std::string Read(std::string_view section, std::string_view key);
    MemberRecord ReadMember(int number);
    MemberRanges ReadRanges();
    // The file read once for a pass over many values; an unreadable file gives an empty index.
    DatabaseIndex Load();

    // Saves the values into the section, all or none.
    SaveResult Write(std::string_view section, std::span<const DatabaseValue> values);
    SaveResult Write(std::string_view section, const SectionChange& change);
    SaveResult Write(std::string_view section, std::string_view key, std::string_view value);
    SaveResult Delete(std::string_view section, std::string_view key);

    void SetBounds(const SafeWriteBounds& bounds) { bounds_ = bounds; }

private:
    SaveResult Save(const std::function<IniEdit(IniDocument&)>& edit);

    Platform& os_;
    std::string path_;
    SafeWriteBounds bounds_;
};

}  // namespace kolvane
