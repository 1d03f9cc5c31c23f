#include "search/member_match.h"

#include <bit>

namespace kolvane {

namespace {

constexpr char kCouple[] = "True";

constexpr std::size_t KeyOf(std::string MemberRecord::*field) {
    return static_cast<std::size_t>(std::countr_zero(MemberKeysOf({field})));
}

constexpr std::size_t kNAME = KeyOf(&MemberRecord::NAME), kMANN = KeyOf(&MemberRecord::MANN),
                      kFRAU = KeyOf(&MemberRecord::FRAU), kIDENTNR = KeyOf(&MemberRecord::IDENTNR),
                      kFAIDX = KeyOf(&MemberRecord::FAIDX), kSTRASSE = KeyOf(&MemberRecord::STRASSE),
                      kORT = KeyOf(&MemberRecord::ORT);

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

MemberMatcher::MemberMatcher(std::string_view term, SearchMode mode)
    : term_(term), filter_(FoldGerman(term)), mode_(mode) {}

void MemberMatcher::Match(const DatabaseIndex& index, int n, DamageNotice& notice, std::vector<HitRow>& rows) {
    index_ = &index;
    notice_ = &notice;
    n_ = n;
    namesRead_ = false;
    if (mode_.identMode) {
        Look(kIdentKeys);
        if (Found(kIDENTNR)) Add(rows, false);
        return;
    }
    Look(mode_.addresses ? kNameKeys | kAddressKeys : kNameKeys);
    MatchName(rows);
}

void MemberMatcher::Look(MemberKeySet keys) {
    index_->ReadStoredMember(n_, keys, stored_);
    for (std::size_t k = 0; k < kMemberKeys.size(); ++k) {
        if ((keys & 1u << k) == 0) continue;
        looks_[k] = filter_.Look(stored_[k]);
        if (looks_[k] == StoredLook::Damaged) notice_->Unscramble(stored_[k]);
    }
}

bool MemberMatcher::Found(std::size_t key) {
    return looks_[key] == StoredLook::MayMatch && CryptInto(stored_[key], plain_) && term_.FoundIn(plain_, scratch_);
}

void MemberMatcher::Add(std::vector<HitRow>& rows, bool byWife) {
    if (!namesRead_) index_->ReadMember(n_, *notice_, member_, kRowKeys);
    namesRead_ = true;
    rows.push_back({MemberSection(n_), member_.NAME, byWife ? ByWife(member_) : ByCouple(member_)});
}

void MemberMatcher::MatchName(std::vector<HitRow>& rows) {
    bool byWife = false;  // the rule of the first names, as the last match set it
    if (Found(kFAIDX)) Add(rows, byWife);
    if (Found(kIDENTNR)) Add(rows, byWife);
    if (Found(kNAME)) {
        Add(rows, byWife = true);
    } else if (!mode_.surnamesOnly) {
        for (std::size_t first : {kMANN, kFRAU}) {
            if (Found(first)) Add(rows, byWife = true);
        }
    }
    if (!mode_.addresses) return;
    if (Found(kSTRASSE)) Add(rows, byWife);
    if (Found(kORT)) Add(rows, byWife);
}

}  // namespace kolvane
