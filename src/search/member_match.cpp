#include "search/member_match.h"

namespace kolvane {

namespace {

constexpr char kCouple[] = "True";

// What a row shows besides the number.
constexpr MemberKeySet kRowKeys =
    MemberKeysOf({&MemberRecord::NAME, &MemberRecord::MANN, &MemberRecord::FRAU, &MemberRecord::PAAR});
constexpr MemberKeySet kIdentKeys = MemberKeysOf({&MemberRecord::IDENTNR});
constexpr MemberKeySet kNameKeys = kRowKeys | MemberKeysOf({&MemberRecord::FAIDX, &MemberRecord::IDENTNR});
constexpr MemberKeySet kAddressKeys = MemberKeysOf({&MemberRecord::STRASSE, &MemberRecord::ORT});

std::string Joined(const MemberRecord& m) { return m.MANN + " und " + m.FRAU; }

// A couple's record names both; "PAAR" says whether it is one.
std::string ByCouple(const MemberRecord& m) { return m.PAAR == kCouple ? Joined(m) : m.MANN; }
// A name match shows the wife's first names wherever the record has them.
std::string ByWife(const MemberRecord& m) { return m.FRAU.empty() ? m.MANN : Joined(m); }

}  // namespace

void MemberMatcher::Match(const DatabaseIndex& index, int n, DamageNotice& notice, std::vector<HitRow>& rows) {
    if (!mode_.identMode) {
        index.ReadMember(n, notice, member_, mode_.addresses ? kNameKeys | kAddressKeys : kNameKeys);
        return MatchName(n, rows);
    }
    index.ReadMember(n, notice, member_, kIdentKeys);
    if (!Found(member_.IDENTNR)) return;
    index.ReadMember(n, notice, member_, kRowKeys);
    rows.push_back({MemberSection(n), member_.NAME, ByCouple(member_)});
}

void MemberMatcher::MatchName(int n, std::vector<HitRow>& rows) {
    const MemberRecord& m = member_;
    const auto add = [&](const std::string& firstNames) { rows.push_back({MemberSection(n), m.NAME, firstNames}); };
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
