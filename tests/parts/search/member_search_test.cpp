#include "search/member_scan.h"
#include "search/search_history.h"
#include "search/search_term.h"
#include "search_fixture.h"

namespace kolvane {
namespace {

TEST(SearchTerm, ElevenDigitsAreAnIdentificationNumberFiveAPostcode) {
    const std::pair<const char*, SearchTerm> cases[] = {
        {"12345678901", {"12 345 678 901", true, false, true}},
        {"12 345 678 901", {"12 345 678 901", false, false, true}},
        {"10115", {"10115", false, true, false}},
        {"1234567890", {"1234567890", false, false, false}},
        {"12 abcdefg 901", {"12 abcdefg 901", false, false, true}},
    };
    for (const auto& [typed, expected] : cases) EXPECT_TRUE(RecognizeTerm(typed) == expected) << typed;
}

TEST(SearchNumbers, BothRangesEachNumberOnceEvenWhenTheyOverlap) {
    const std::pair<MemberRanges, std::vector<int>> cases[] = {
        {{1, 3, 7, 8}, {1, 2, 3, 7, 8}},
        {{1, 5, 3, 7}, {1, 2, 3, 4, 5, 6, 7}},  // B1 not above A2 would loop for ever
        {{5, 2, 0, 1}, {1}},  // range 1 backwards; "000" is the header
        {{5, 2, 7, 9}, {5, 6, 7, 8, 9}},  // backwards: the walk from A1 runs on to B2
    };
    for (const auto& [ranges, numbers] : cases) EXPECT_EQ(SearchNumbers(ranges), numbers);
}

// A stored place that touches no screen (a screen gone, a smaller resolution) comes back into the primary
// work area; one on any screen stays; a direction without a stored place is centred on the primary screen.
TEST_F(SearchTest, TheWindowOpensWhereItWasUnlessThatIsOffEveryScreen) {
    const Monitor primary{{0, 0, 600, 400}, {0, 0, 600, 360}}, right{{600, 0, 1200, 400}, {600, 0, 1200, 400}};
    const struct {
        const char *top, *left;
        std::vector<Monitor> monitors;
        const char* place;  // left and top in twips, 15 to a pixel
    } cases[] = {
        {"300", "600", {primary}, "600 300"},
        {"-900", "99999", {primary, right}, "3000 0"},
        {nullptr, "-5", {primary}, "-5 1500"},
        {"300", "12000", {primary, right}, "12000 300"},
        {"300", "12000", {primary}, "3000 300"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.place);
        for (auto [setting, value] : {std::pair(Setting::HPos1, c.top), std::pair(Setting::HPos2, c.left)})
            value ? hub.settings.WriteText(setting, value) : hub.settings.Delete(setting);
        p.windows.monitors = c.monitors;
        const TwipsRect r = PlaceSearchWindow(hub, 6000, 3000, {96, 96});
        EXPECT_EQ(std::to_string(r.left) + " " + std::to_string(r.top), c.place);
    }
}

TEST_F(SearchTest, EachModeListsTheMatchingFieldsInOrderFoldingGermanLetters) {
    // Member 1000's "MANN" is damaged, which every name search reads; 002's "AUSTRITT" too, which none reads.
    const std::vector<MessageBoxRequest> notice{CryptRejectedMessage()};
    struct Case {
        const char* term;
        bool surnamesOnly, addresses;
        std::vector<std::string> rows;
        std::vector<MessageBoxRequest> boxes;
    } cases[] = {
        {"müller", false, false, {"001|Müller|Hans und Erika", "002|Mueller|Karl", "1000|MÜLLER|"}, notice},
        {"MUELLER", false, true, {"001|Müller|Hans und Erika", "002|Mueller|Karl", "002|Mueller|Karl", "1000|MÜLLER|"}, notice},
        {"jutta", false, false, {"042|Schmidt|Peter und Jutta"}, notice},
        {"jutta", true, false, {}, notice},
        {"Straße", false, true, {"001|Müller|Hans und Erika", "1500|Strasser|Eva"}, notice},
        {"ehlbach", false, true, {"042|Schmidt|Peter"}, notice},  // begins inside the "ue" of "Mühlbach"
        {"12345678901", false, false, {"001|Müller|Hans und Erika"}, {}},
        {"10115", false, false, {"001|Müller|Hans und Erika", "042|Schmidt|Peter"}, notice},
        {"123/456", false, false, {"001|Müller|Hans und Erika"}, notice},
        {"98 765", false, false, {"002|Mueller|Karl"}, notice},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.term);
        p.dialogs.shown.clear();
        Search(c.term, c.surnamesOnly, c.addresses);
        EXPECT_EQ(Rows(), c.rows);
        EXPECT_EQ(p.dialogs.shown, c.boxes);
    }
    EXPECT_EQ(view.beeps, 1);
    EXPECT_EQ(Form().Anzahl, "Es wurde eine Eintrag gefunden.");
}

TEST_F(SearchTest, ReportsTheCountThenThePromptAndSortsIdsAsNumbers) {
    Search("u");
    search.Tick();
    EXPECT_EQ(Form().Anzahl, "Es wurden 5 Einträge gefunden.");
    p.clock.Advance(kCountShownSeconds);
    search.Tick();
    EXPECT_EQ(Form().Anzahl, kEnterTerm);
    std::string order;
    for (int column : {1, 0}) {
        search.HeaderClicked(column);
        for (const HitRow& r : Form().VNamen) order += r.id + " ";
    }
    EXPECT_EQ(order, "002 1000 001 042 999 001 002 042 999 1000 ");
}

TEST_F(SearchTest, StopCloseAndEnterDuringAScan) {
    for (const char* term : {"müller", "12345678901"}) {  // the second stopped while the beep lets events run
        SCOPED_TRACE(term);
        view.duringScan = [](MemberSearch& s) { s.CancelPressed({}); };
        Search(term);
        EXPECT_EQ(std::tuple(Rows().size(), Form().Anzahl, Form().Timer1, Form().BSuchenEnabled, view.closed),
                  std::tuple(0u, std::string("Es wurde kein entsprechender Eintrag gefunden."), true, true, 0));
    }

    p.files.Delete(ProgramFile(hub, kSearchCopy));
    Search("   ");
    EXPECT_FALSE(p.files.Exists(ProgramFile(hub, kSearchCopy))) << "a blank term starts nothing";
    // The database itself is read, never an older copy, which is refreshed.
    p.files.Put(ProgramFile(hub, kSearchCopy), ConfiguredDatabase() + Member("003", {"Müller", "Old", "", "", "", "", "", "", "", ""}));
    Search("müller");
    EXPECT_EQ(std::tuple(Rows().size(), p.files.ReadAll(ProgramFile(hub, kSearchCopy))), std::tuple(3u, p.files.ReadAll(Database())));

    view.duringScan = [](MemberSearch& s) { s.SearchPressed(), s.CloseRequested({15, 30, 0, 0}); };
    p.files.Delete(DatabaseFile(hub, kHistoryFile));
    Search("Schmidt");
    EXPECT_EQ(std::tuple(view.closed, hub.settings.ReadText(Setting::HPos1), hub.settings.ReadText(Setting::HPos2),
                         p.files.Exists(DatabaseFile(hub, kHistoryFile))),
              std::tuple(1, std::string("30"), std::string("15"), false));
}

// At most 51 terms, written back whole, whatever the file held: the fuzz target holds that on any bytes.
TEST_F(SearchTest, HistoryNewestFirstWithoutDuplicates) {
    // Kept as the file gives them back, so that the next search finds them there; an earlier one goes, in any case.
    for (const char* term : {"Mueller ", " Schmidt", "\"Meier\"", "\"\"", "mueller", " Schmidt", "\"Meier\""}) Search(term);
    EXPECT_EQ(Form().history, (std::vector<std::string>{"Meier", "Schmidt", "mueller"}));
    // So are the stored ones, of the keys 100 to 150; a later section of the name goes with the first.
    p.files.Put(DatabaseFile(hub, kHistoryFile), "[REFIND]\r\n100=\"\"Meier\"\"\r\n101=Alt\r\n150=Letzt\r\n151=Weg\r\n[refind]\r\n103=Neu\r\n");
    search.Load(), Search("Meier");
    EXPECT_EQ(Form().history, (std::vector<std::string>{"Meier", "Alt", "Letzt"}));
}

}  // namespace
}  // namespace kolvane
