#pragma once
// The layout of the member database DATEX.DAT: the header section, one section per member named by its
// number, and the keys of a member record. Key names here are plain; the file holds them scrambled.
#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kolvane {

inline constexpr std::string_view kDatabaseFileName = "DATEX.DAT";
// The association's settings; member number 0 therefore never names a member.
inline constexpr std::string_view kHeaderSection = "000";

// A member's record as the member administration stores it; the hub only reads it.
struct MemberRecord {
    std::string NAME;      // surname
    std::string MANN;      // first name(s); of the husband for a couple
    std::string FRAU;      // first name(s) of the wife, empty for a single member
    std::string PAAR;      // "True" for a married couple
    std::string IDENTNR;   // tax identification number, eleven digits
    std::string FAIDX;     // tax number at the tax office
    std::string STRASSE;   // street and house number
    std::string ORT;       // postcode and place
    std::string MAIL;      // e-mail address
    std::string AUSTRITT;  // "dd.mm.yyyy" of leaving, empty while a member
    friend bool operator==(const MemberRecord&, const MemberRecord&) = default;
};

struct MemberKey {
    std::string_view key;
    std::string MemberRecord::*field;
};

inline constexpr std::array<MemberKey, 10> kMemberKeys{{
    {"NAME", &MemberRecord::NAME},
    {"MANN", &MemberRecord::MANN},
    {"FRAU", &MemberRecord::FRAU},
    {"PAAR", &MemberRecord::PAAR},
    {"IDENTNR", &MemberRecord::IDENTNR},
    {"FAIDX", &MemberRecord::FAIDX},
    {"STRASSE", &MemberRecord::STRASSE},
    {"ORT", &MemberRecord::ORT},
    {"MAIL", &MemberRecord::MAIL},
    {"AUSTRITT", &MemberRecord::AUSTRITT},
}};

// Some of the member keys, a bit per entry of kMemberKeys: a reader unscrambles only the keys it needs.
using MemberKeySet = std::uint16_t;
static_assert(kMemberKeys.size() <= 16, "one bit per member key");
inline constexpr auto kAllMemberKeys = static_cast<MemberKeySet>((1u << kMemberKeys.size()) - 1);

constexpr MemberKeySet MemberKeysOf(std::initializer_list<std::string MemberRecord::*> fields) {
    unsigned set = 0;
    for (auto field : fields)
        for (std::size_t k = 0; k < kMemberKeys.size(); ++k)
            if (kMemberKeys[k].field == field) set |= 1u << k;
    return static_cast<MemberKeySet>(set);
}

// The section of member number n: three digits at least ("007", "042"), larger numbers as they are
// ("100", "1000"). Numbers below 0 have no section and give the empty text.
std::string MemberSection(int number);

}  // namespace kolvane
