#include "search/member_scan.h"
#include "search/search_history.h"
#include "search/search_term.h"
#include "search_fixture.h"

namespace kolvane {
namespace {

TEST(SearchTerm, ElevenDigitsAreAnIdentificationNumberFiveAPostcode) {
    struct Case {
        const char* typed;
        SearchTerm expected;
    } cases[] = {
        {"12345678901", {"12 345 678 901", true, false, true}},
        {"12 345 678 901", {"12 345 678 901", false, false, true}},
        {"10115", {"10115", false, true, false}},
        {"1234567890", {"1234567890", false, false, false}},
        {"12 abcdefg 901", {"12 abcdefg 901", false, false, true}},
        {"Müller", {"Müller", false, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const SearchTerm t = RecognizeTerm(c.typed);
        EXPECT_EQ(std::tie(t.text, t.identNumber, t.postcode, t.identMode),
                  std::tie(c.expected.text, c.expected.identNumber, c.expected.postcode, c.expected.identMode));
    }
}

TEST(SearchNumbers, BothRangesEachNumberOnceEvenWhenTheyOverlap) {
    struct Case {
        MemberRanges ranges;
        std::vector<int> numbers;
    } cases[] = {
        {{1, 3, 7, 8}, {1, 2, 3, 7, 8}},
        {{1, 5, 3, 7}, {1, 2, 3, 4, 5, 6, 7}},  // B1 not above A2 would loop for ever
        {{4, 5, 1, 2}, {4, 5, 1, 2}},
        {{5, 2, 0, 1}, {1}},  // range 1 backwards; "000" is the header
    };
    for (const Case& c : cases) EXPECT_EQ(SearchNumbers(c.ranges), c.numbers);
}

TEST_F(SearchTest, EachModeListsTheMatchingFieldsInOrderFoldingGermanLetters) {
    struct Case {
        const char* term;
        bool surnamesOnly, addresses;
        std::vector<std::string> rows;
    } cases[] = {
        {"müller", false, false, {"001|Müller|Hans und Erika", "002|Mueller|Karl", "1000|MÜLLER|"}},
        {"MUELLER", false, true, {"001|Müller|Hans und Erika", "002|Mueller|Karl", "002|Mueller|Karl", "1000|MÜLLER|"}},
        {"jutta", false, false, {"042|Schmidt|Peter und Jutta"}},
        {"jutta", true, false, {}},
        {"Straße", false, true, {"001|Müller|Hans und Erika", "1500|Strasser|Eva"}},
        {"12345678901", false, false, {"001|Müller|Hans und Erika"}},
        {"10115", false, false, {"001|Müller|Hans und Erika", "042|Schmidt|Peter"}},
        {"123/456", false, false, {"001|Müller|Hans und Erika"}},
        {"98 765", false, false, {"002|Mueller|Karl"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.term);
        p.dialogs.shown.clear();
        Search(c.term, c.surnamesOnly, c.addresses);
        EXPECT_EQ(Rows(), c.rows);
        EXPECT_EQ(p.dialogs.shown.size(), 1u) << "one damage notice per scan";
    }
    EXPECT_EQ(view.beeps, 1);
    EXPECT_EQ(Form().Anzahl, "Es wurde eine Eintrag gefunden.");
    EXPECT_EQ(p.files.ReadAll(ProgramFile(hub, kSearchCopy)), p.files.ReadAll(Database()));
}

TEST_F(SearchTest, ReportsTheCountThenThePromptAndSortsIdsAsNumbers) {
    Search("u");
    EXPECT_EQ(Form().Anzahl, "Es wurden 4 Einträge gefunden.");
    search.Tick();
    EXPECT_EQ(Form().Anzahl, "Es wurden 4 Einträge gefunden.");
    p.clock.Advance(kCountShownSeconds);
    search.Tick();
    EXPECT_EQ(Form().Anzahl, kEnterTerm);
    const auto ids = [&] {
        std::string order;
        for (const HitRow& r : Form().VNamen) order += r.id + " ";
        return order;
    };
    search.HeaderClicked(2);
    EXPECT_EQ(ids(), "1000 001 002 042 ");
    search.HeaderClicked(1);
    EXPECT_EQ(ids(), "002 1000 001 042 ");
    search.HeaderClicked(0);
    EXPECT_EQ(ids(), "001 002 042 1000 ");
}

TEST_F(SearchTest, StopCloseAndEnterDuringAScan) {
    view.duringScan = [](MemberSearch& s) { s.CancelPressed(); };
    Search("müller");
    EXPECT_EQ(std::tuple(Rows().size(), Form().Anzahl, Form().Timer1, Form().BSuchenEnabled, view.closed),
              std::tuple(0u, std::string("Es wurde kein entsprechender Eintrag gefunden."), true, true, 0));

    view.duringScan = [](MemberSearch& s) { s.SearchPressed(), s.CloseRequested({15, 30, 0, 0}); };
    p.files.Delete(DatabaseFile(hub, kHistoryFile));
    Search("Schmidt");
    EXPECT_EQ(std::tuple(view.closed, view.closedWhileRunning, hub.settings.ReadText(Setting::HPos1),
                         hub.settings.ReadText(Setting::HPos2), p.files.Exists(DatabaseFile(hub, kHistoryFile))),
              std::tuple(1, false, std::string("30"), std::string("15"), false));

    view.duringScan = nullptr;
    p.files.Delete(ProgramFile(hub, kSearchCopy));
    Search("   ");
    EXPECT_FALSE(p.files.Exists(ProgramFile(hub, kSearchCopy))) << "a blank term starts nothing";
}

TEST_F(SearchTest, AFailedCopyScansTheDatabaseNotYesterdaysCopy) {
    p.files.Put(ProgramFile(hub, kSearchCopy), ConfiguredDatabase() + Member("003", {"Müller", "Old", "", "", "", "", "", "", "", ""}));
    files.copyFault = FaultyFiles::CopyFault::Refused;
    Search("müller");
    EXPECT_EQ(Rows().size(), 3u);
}

TEST_F(SearchTest, HistoryNewestFirstWithoutDuplicatesAtMost51) {
    std::string old = "[REFIND]\r\n";
    for (int k = 100; k <= 160; ++k) old += std::to_string(k) + "=t" + std::to_string(k) + "\r\n";
    p.files.Put(DatabaseFile(hub, kHistoryFile), old);
    search.Load();
    Search("T120");
    std::vector<std::string> expected = {"T120"};
    for (int k = 100; k <= 150; ++k)
        if (k != 120) expected.push_back("t" + std::to_string(k));
    EXPECT_EQ(Form().history, expected);
    EXPECT_EQ(GetNames(hub), expected);
    EXPECT_EQ(p.files.ReadAll(DatabaseFile(hub, kHistoryFile))->find("151="), std::string::npos);
}

}  // namespace
}  // namespace kolvane
