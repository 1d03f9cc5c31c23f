#include "hub/database_marks.h"

#include "hub/startup_sequence.h"

#include "hub_fixture.h"
#include "store/crypt.h"
#include "store/member_database.h"

namespace kolvane {
namespace {

constexpr char kDat[] = "C:\\Orvintal\\DATEX.DAT";
constexpr char kBak[] = "C:\\Orvintal\\DATEX.BAK";

std::string Line(std::string_view key, std::string_view value) {
    return *Crypt(key) + "=" + *Crypt(value) + "\r\n";
}

class DatabaseMarksTest : public HubTest {
protected:
    DatabaseMarksTest() { hub.LrDatabase = "C:\\Orvintal\\"; }
    std::optional<std::string> File(const char* path) { return p.files.ReadAll(path); }
};

TEST_F(DatabaseMarksTest, MarksGoOnlyIntoAnExistingDatabaseWithItsHeader) {
    struct Case {
        const char* what;
        const char* path;
        std::optional<std::string> before;  // nothing when missing
        std::optional<std::string> after;
    };
    const std::string member = "[001]\r\n" + Line("NAME", "Heil");
    const Case cases[] = {
        {"database", kDat, "[000]\r\n" + member, "[000]\r\n" + Line("MDBLOAD", "0") + member},
        {"mark already there", kDat, "[000]\r\n" + Line("MDBLOAD", "1"), "[000]\r\n" + Line("MDBLOAD", "0")},
        {"name spelled otherwise", "C:\\Orvintal\\DATEX.dat", "[000]\r\n", "[000]\r\n" + Line("MDBLOAD", "0")},
        {"missing: never created", kDat, std::nullopt, std::nullopt},
        {"empty file", kDat, "", ""},
        {"garbage", kDat, "\x01\x02\xFF\r\n=\r\n", "\x01\x02\xFF\r\n=\r\n"},
        {"members without header", kDat, member, member},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::string& file : p.files.List("C:\\Orvintal", "*")) p.files.Delete("C:\\Orvintal\\" + file);
        if (c.before) p.files.Put(c.path, *c.before);
        MarkDatabaseLoaded(hub);
        EXPECT_EQ(File(c.path), c.after);
        EXPECT_TRUE(p.dialogs.shown.empty());
        EXPECT_EQ(p.files.List("C:\\Orvintal", "*").size(), c.after ? 1u : 0u) << "no second file";
    }
}

TEST_F(DatabaseMarksTest, RangesAreReadWithTheirFallbacks) {
    struct Case {
        const char* what;
        std::optional<std::string> file;
        MemberRanges expected;
    };
    const Case cases[] = {
        {"no database", std::nullopt, {1, 999, 1000, 1999}},
        {"set", "[000]\r\n" + Line("A1", "001") + Line("A2", "4999") + Line("B1", "5005") + Line("B2", "9998"),
         {1, 4999, 5005, 9998}},
        {"A1 missing, A2 text", "[000]\r\n" + Line("A2", "viel"), {1, 999, 1000, 1999}},
        {"A1 is 000", "[000]\r\n" + Line("A1", "000") + Line("A2", "50"), {1, 50, 1000, 1999}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        p.files.Delete(kDat);
        if (c.file) p.files.Put(kDat, *c.file);
        hub.memberRanges = {};
        ReadMemberRanges(hub);
        EXPECT_EQ(hub.memberRanges, c.expected);
    }
}

TEST_F(DatabaseMarksTest, ImportMarkIsSetOnlyWhereNoneIsKnown) {
    struct Case {
        const char* what;
        std::optional<std::string> backup;
        std::optional<std::string> database;
        std::optional<std::string> after;
    };
    const std::string header = "[000]\r\n";
    const Case cases[] = {
        {"neither knows it", header, header, header + Line("MdbImportUse", "0")},
        {"no backup", std::nullopt, header, header + Line("MdbImportUse", "0")},
        {"backup knows it", header + Line("MdbImportUse", "1"), header, header},
        // The backup is older than the database: an import since then has marked the database.
        {"database knows it", header, header + Line("MdbImportUse", "1"), header + Line("MdbImportUse", "1")},
        {"no database: never created", header, std::nullopt, std::nullopt},
        {"empty database", header, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        p.files.Delete(kBak);
        p.files.Delete(kDat);
        if (c.backup) p.files.Put(kBak, *c.backup);
        if (c.database) p.files.Put(kDat, *c.database);
        MarkImportUnused(hub);
        EXPECT_EQ(File(kDat), c.after);
        EXPECT_EQ(File(kBak), c.backup) << "the backup is only read";
    }
}

TEST_F(DatabaseMarksTest, TheStartLeavesTheMarksAndTheRanges) {
    Install();
    p.files.Put(kDat, "[000]\r\n" + Line("A1", "001") + Line("A2", "890") + Line("B1", "895") + Line("B2", "1999"));
    EXPECT_NO_THROW(RunStartup(hub));
    MemberDatabase database(hub.os, kDat);
    EXPECT_EQ(database.Read("000", "MDBLOAD"), "0");
    EXPECT_EQ(database.Read("000", "MdbImportUse"), "0");
    EXPECT_EQ(hub.memberRanges, (MemberRanges{1, 890, 895, 1999}));
}

}  // namespace
}  // namespace kolvane
