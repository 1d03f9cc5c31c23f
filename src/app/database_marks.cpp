#include "app/database_marks.h"

#include "hub/hub_database.h"

namespace kolvane {

namespace {

// The marks go only into a database that exists and has its header: a file created (or an empty one
// filled) by writing to it would look like a database to the restore check and be rotated into the
// backups. A damaged file is left as it is, without a message: the start's checks deal with it.
void MarkExisting(MemberDatabase& database, std::string_view key, std::string_view value) {
    if (database.IsDatabase()) database.Write(kHeaderSection, key, value);
}

}  // namespace

// cppcheck-suppress constParameter ; writes the database through the hub, whose services const would not protect
void MarkDatabaseLoaded(Hub& hub) {
    MemberDatabase database = HubDatabase(hub);
    MarkExisting(database, "MDBLOAD", "0");
}

void ReadMemberRanges(Hub& hub) { hub.memberRanges = HubDatabase(hub).ReadRanges(); }

void MarkImportUnused(Hub& hub) {
    if (!MemberDatabase(hub.os, DatabaseFile(hub, "DATEX.BAK")).Read(kHeaderSection, "MdbImportUse").empty()) return;
    MemberDatabase database = HubDatabase(hub);
    // The backup is a day old: an import marker set in the database since then is kept.
    if (!database.Read(kHeaderSection, "MdbImportUse").empty()) return;
    MarkExisting(database, "MdbImportUse", "0");
}

}  // namespace kolvane
