#include "launcher_fixture.h"

namespace kolvane {
namespace {

class ProgramChoiceTest : public LauncherTest {};

TEST_F(ProgramChoiceTest, ContributionsFollowPelmondo) {
    struct Case {
        const char* name;
        std::optional<RegData> pelmondo;
        const char* program;
        std::string after;  // `Pelmondo` as read afterwards
    };
    const Case cases[] = {
        {"missing: stored as 1", std::nullopt, "FEEDESK.EXE", "1"},
        {"1", DwordValue(1), "FEEDESK.EXE", "1"},
        {"0", DwordValue(0), "FEERUN.EXE", "0"},
        {"0 kept as text by a peer", SzValue("0"), "FEERUN.EXE", "0"},
        {"another number", DwordValue(2), "FEEDESK.EXE", "2"},
        {"no number", SzValue("ja"), "FEEDESK.EXE", "ja"},
    };
    PutProgram("FEEDESK.EXE");
    PutProgram("FEERUN.EXE");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Store("Pelmondo", c.pelmondo);
        p.shell.started.clear();
        Choose(ActionKey::Beitraege);
        EXPECT_EQ(Started(), std::vector<std::string>{Quoted(c.program)});
        EXPECT_EQ(Stored(Setting::Pelmondo), c.after);
    }
    p.files.Delete(ProgramFile(hub, "FEERUN.EXE"));
    Store("Pelmondo", DwordValue(0));
    Choose(ActionKey::Beitraege, 12);
    EXPECT_EQ(menu.disabled, std::vector<int>{12});
}

TEST_F(ProgramChoiceTest, ReceiptsFollowReceiptColorAndFallBackToThePrinter) {
    struct Case {
        const char* name;
        std::optional<RegData> color;
        bool voucher, printer;  // VOUCHER.EXE, SLIPPRN.EXE present
        const char* started;    // null: the entry is disabled
    };
    const Case cases[] = {
        {"missing counts as 1", std::nullopt, true, true, "VOUCHER.EXE"},
        {"1", DwordValue(1), true, true, "VOUCHER.EXE"},
        {"0", DwordValue(0), true, true, "SLIPPRN.EXE"},
        {"2", DwordValue(2), true, true, "SLIPPRN.EXE"},
        {"1 without VOUCHER.EXE", DwordValue(1), false, true, "SLIPPRN.EXE"},
        {"1 without either", DwordValue(1), false, false, nullptr},
        {"0 without the printer", DwordValue(0), true, false, nullptr},
    };
    int itemNr = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Store("ReceiptColor", c.color);
        p.files.Delete(ProgramFile(hub, "VOUCHER.EXE"));
        p.files.Delete(ProgramFile(hub, "SLIPPRN.EXE"));
        if (c.voucher) PutProgram("VOUCHER.EXE");
        if (c.printer) PutProgram("SLIPPRN.EXE");
        p.shell.started.clear();
        menu.disabled.clear();
        Choose(ActionKey::Quittungen, ++itemNr);
        if (c.started) {
            EXPECT_EQ(Started(), std::vector<std::string>{Quoted(c.started)});
            EXPECT_TRUE(menu.disabled.empty());
        } else {
            EXPECT_TRUE(Started().empty());
            EXPECT_EQ(menu.disabled, std::vector<int>{itemNr});
        }
    }
}

TEST_F(ProgramChoiceTest, CsvExportTakesTheSpreadsheetElseTheExplorer) {
    PutProgram("SHEETOUT.EXE");
    PutProgram("LINKPORT.EXE");
    Choose(ActionKey::CSVDatabase, 1);
    p.files.Delete(ProgramFile(hub, "SHEETOUT.EXE"));
    Choose(ActionKey::CSVDatabase, 2);
    p.files.Delete(ProgramFile(hub, "LINKPORT.EXE"));
    Choose(ActionKey::CSVDatabase, 3);
    EXPECT_EQ(Started(), (std::vector<std::string>{Quoted("SHEETOUT.EXE"), Quoted("LINKPORT.EXE") + " /CSVDatabase"}));
    EXPECT_EQ(menu.disabled, std::vector<int>{3});
}

// The mail book reads `Postbuch` when it starts: the value is there before the start.
TEST_F(ProgramChoiceTest, MailBookOpensTheBookThatPostbuchNames) {
    PutProgram("MAILLOG.EXE");
    std::vector<std::string> bookAtStart;
    p.shell.onStart = [&](const MemoryShell::Started&) { bookAtStart.push_back(Stored(Setting::Postbuch)); };
    Choose(ActionKey::Bescheide);
    Choose(ActionKey::Fristen);
    EXPECT_EQ(bookAtStart, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Started(), (std::vector<std::string>{Quoted("MAILLOG.EXE"), Quoted("MAILLOG.EXE")}));
}

}  // namespace
}  // namespace kolvane
