#include "launcher_fixture.h"

namespace kolvane {
namespace {

class DayCalculatorTest : public FaultyFilesTest {};

TEST_F(DayCalculatorTest, TheOldNameIsTakenOverOnlyWhereTheNewProgramIsMissingAndOnlyByAWholeCopy) {
    using Fault = FaultyFiles::CopyFault;
    struct Case {
        const char* name;
        bool oldThere, newThere;
        Fault fault;
        const char* oldAfter;  // ARITHPAD.EXE afterwards, null for gone
        const char* newAfter;  // DAYSPAN.EXE afterwards, null for missing
    };
    const Case cases[] = {
        {"only the old one: renamed", true, false, Fault::None, nullptr, "old program"},
        {"both: the newer one stays", true, true, Fault::None, "old program", "new program"},
        {"only the new one", false, true, Fault::None, nullptr, "new program"},
        {"neither", false, false, Fault::None, nullptr, nullptr},
        {"the copy fails: the old one stays", true, false, Fault::Refused, "old program", nullptr},
        {"the copy comes out short: the old one stays", true, false, Fault::Truncated, "old program", nullptr},
    };
    int itemNr = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const char* name : {"ARITHPAD.EXE", "DAYSPAN.EXE"}) p.files.Delete(ProgramFile(hub, name));
        if (c.oldThere) PutProgram("ARITHPAD.EXE", "old program");
        if (c.newThere) PutProgram("DAYSPAN.EXE", "new program");
        files.copyFault = c.fault;
        p.shell.started.clear();
        menu.disabled.clear();

        RunAction(hub, ActionKey::BerechnungTag, {menu, ++itemNr});

        EXPECT_EQ(p.files.ReadAll(ProgramFile(hub, "ARITHPAD.EXE")),
                  c.oldAfter ? std::optional<std::string>(c.oldAfter) : std::nullopt);
        EXPECT_EQ(p.files.ReadAll(ProgramFile(hub, "DAYSPAN.EXE")),
                  c.newAfter ? std::optional<std::string>(c.newAfter) : std::nullopt);
        EXPECT_TRUE(p.files.List(hub.programFolder, "DAYSPAN.$$$").empty());
        if (c.newAfter) {
            EXPECT_EQ(p.shell.started, (std::vector<MemoryShell::Started>{{Quoted("DAYSPAN.EXE") + "/2",
                                                                           ShowState::Normal}}));
            EXPECT_TRUE(menu.disabled.empty());
        } else {
            EXPECT_TRUE(p.shell.started.empty());
            EXPECT_EQ(menu.disabled, std::vector<int>{itemNr});
        }
    }
}

}  // namespace
}  // namespace kolvane
