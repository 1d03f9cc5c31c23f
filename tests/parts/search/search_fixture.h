#pragma once
// A hub with its menu and a member database of a few hand-made members: a couple, a single member with a
// wife's first names but no "PAAR", one who left yesterday, damaged values, umlauts in every spelling,
// numbers on both sides of 999/1000.
// The search window is played by the test, which sends its events; a step may run in the middle of a scan.
#include "launcher/launcher_fixture.h"
#include "search/member_search.h"

namespace kolvane {

struct FakeSuchenView : SuchenView {
    std::function<void(MemberSearch&)> duringScan;  // once, at the first update of a running scan
    MemberSearch* search = nullptr;
    int beeps = 0, closed = 0;
    void Run(MemberSearch& s) override { s.Load(); }
    void Update(const SuchenForm&) override {
        if (search && search->Running() && duringScan) std::exchange(duringScan, nullptr)(*search);
    }
    void Close() override { ++closed; EXPECT_FALSE(search->Running()) << "the window goes only after the scan"; }
    void Beep() override { ++beeps; }
    std::optional<ObjekteEntry> TrackObjekte(const ObjekteMenu&) override { return std::nullopt; }
};

inline std::string Member(const std::string& section, const MemberRecord& m) {
    std::string lines = "[" + section + "]\r\n";
    for (const MemberKey& key : kMemberKeys)
        if (!(m.*key.field).empty()) lines += Line(key.key, m.*key.field);
    return lines;
}

// A stored value that does not unscramble.
inline std::string Damaged(std::string_view key) { return *Crypt(key) + "=\x92\x92\r\n"; }

inline std::string SearchDatabase() {
    return ConfiguredDatabase() +
           Member("001", {"Müller", "Hans", "Erika", "True", "12 345 678 901", "123/456/78901", "Hauptstraße 1",
                          "10115 Berlin", "hans müller&co@mueller.example", ""}) +
           Member("002", {"Mueller", "Karl", "", "", "98 765 432 109", "", "Müllerweg 3", "14467 Potsdam", "", ""}) + Damaged("AUSTRITT") +
           Member("042", {"Schmidt", "Peter", "Jutta", "", "", "", "Am Mühlbach 2", "10115 Berlin", "", "06.12.2026"}) +
           Member("999", {"Schulz", "", "", "", "", "", "", "", "", ""}) +
           Member("1000", {"MÜLLER", "", "", "", "", "", "", "", "", ""}) + Damaged("MANN") +
           Member("1500", {"Strasser", "Eva", "", "", "", "", "", "", "eva.strasser", ""});
}

class SearchTest : public LauncherTest {
protected:
    SearchTest() {
        p.files.Put(Database(), SearchDatabase());
        view.search = &search;
        search.Load();
    }
    // Types the term with the boxes ticked as given and searches.
    void Search(const std::string& term, bool surnamesOnly = false, bool addresses = false) {
        std::tie(Form().Text1, Form().BErweitert, Form().BWohnorte) = std::tuple(term, surnamesOnly, addresses);
        search.SearchPressed();
    }
    std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        for (const HitRow& r : search.Form().VNamen) rows.push_back(r.id + "|" + r.name + "|" + r.firstNames);
        return rows;
    }
    SuchenForm& Form() { return search.Form(); }
    FakeSuchenView view;
    MemberSearch search{hub, view};
};

}  // namespace kolvane
