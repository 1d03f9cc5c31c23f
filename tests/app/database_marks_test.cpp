#include "app/database_marks.h"

#include "hub/hub_fixture.h"

namespace kolvane {
namespace {

// The marks go only into an existing database with its header: a file created or filled by writing to it would
// look like a database to the restore check and be rotated into the backups. The import mark is set only where
// neither the database nor its backup (a day older) knows one.
TEST(DatabaseMarksTest, MarksGoOnlyIntoAnExistingDatabaseWithItsHeader) {
    const std::string header = "[000]\r\n", member = "[001]\r\n" + Line("NAME", "Heil");
    const std::string loaded = Line("MDBLOAD", "0"), unused = Line("MdbImportUse", "0"), used = Line("MdbImportUse", "1");
    const std::optional<std::string> none;
    const std::optional<std::string> cases[][3] = {  // backup, database before, database after
        {none, header + member, header + unused + loaded + member},
        {header + used, header + Line("MDBLOAD", "1"), header + loaded},
        {header, header + used, header + used + loaded},
        {header, none, none},
        {none, "", ""},
        {none, member, member},
    };
    for (const auto& [backup, before, after] : cases) {
        SCOPED_TRACE(before.value_or("missing"));
        InstalledSystem s;
        s.p.files.Delete("C:\\Orvintal\\DATEX.DAT");
        if (backup) s.Put("C:\\Orvintal\\DATEX.BAK", *backup);
        if (before) s.Put("C:\\Orvintal\\DATEX.DAT", *before);
        s.hub.LrDatabase = "C:\\Orvintal\\";
        MarkImportUnused(s.hub);
        MarkDatabaseLoaded(s.hub);
        EXPECT_EQ(s.p.files.ReadAll("C:\\Orvintal\\DATEX.DAT"), after);
        EXPECT_EQ(s.p.files.ReadAll("C:\\Orvintal\\DATEX.BAK"), backup) << "the backup is only read";
        EXPECT_TRUE(s.p.dialogs.shown.empty());
    }
}

}  // namespace
}  // namespace kolvane
