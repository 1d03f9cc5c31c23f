#include "search/member_match.h"

namespace kolvane {

namespace {

constexpr char kCouple[] = "True";

std::string Joined(const MemberRecord& m) { return m.MANN + " und " + m.FRAU; }

// A couple's record names both; "PAAR" says whether it is one.
std::string ByCouple(const MemberRecord& m) { return m.PAAR == kCouple ? Joined(m) : m.MANN; }
// A name match shows the wife's first names wherever the record has them.
std::string ByWife(const MemberRecord& m) { return m.FRAU.empty() ? m.MANN : Joined(m); }

}  // namespace

void MemberMatcher::Match(const MemberRecord& m, std::string_view section, std::vector<HitRow>& rows) {
    const auto add = [&](const std::string& firstNames) { rows.push_back({std::string(section), m.NAME, firstNames}); };
    if (mode_.identMode) {
        if (Found(m.IDENTNR)) add(ByCouple(m));
        return;
    }
    std::string firstNames = ByCouple(m);
    if (Found(m.FAIDX)) add(firstNames);
    if (Found(m.IDENTNR)) add(firstNames);
    if (Found(m.NAME)) {
        firstNames = ByWife(m);
        add(firstNames);
    } else if (!mode_.surnamesOnly) {
        for (const std::string* first : {&m.MANN, &m.FRAU}) {
            if (!Found(*first)) continue;
            firstNames = ByWife(m);
            add(firstNames);
        }
    }
    if (!mode_.addresses) return;
    if (Found(m.STRASSE)) add(firstNames);
    if (Found(m.ORT)) add(firstNames);
}

}  // namespace kolvane
