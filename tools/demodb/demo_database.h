#pragma once
// Fictional member databases for the demo installation, the tests and the benchmark: German names,
// streets and places, single members and couples, some who have left the association. The file is what
// the member administration writes: Windows-1252, CR LF line ends, the header section "000" with the
// number ranges, the office designations and the sender data, then one section per member, every key
// name and value scrambled with the database key.
#include <string>
#include <vector>

#include "store/member_record.h"

namespace kolvane {

// One block of member numbers, both ends included.
struct DemoRange {
    int first = 0;
    int last = 0;
};

struct DemoOptions {
    DemoRange main{1, 999};        // "A1" to "A2"
    DemoRange branch{1000, 1999};  // "B1" to "B2"
    int members = 200;             // spread evenly over both blocks, the main block first
    unsigned seed = 1;             // the same seed gives the same file
};

struct DemoMember {
    int number = 0;
    MemberRecord record;
};

// The members of a database in the order of their numbers. Throws std::invalid_argument when the
// blocks are not ascending four-digit blocks or hold fewer numbers than members are asked for.
std::vector<DemoMember> MakeDemoMembers(const DemoOptions& options);

// The whole database file for these members.
std::string MakeDemoDatabase(const DemoOptions& options, const std::vector<DemoMember>& members);

}  // namespace kolvane
