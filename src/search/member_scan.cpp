#include "search/member_scan.h"

#include <algorithm>
#include <cmath>

#include "store/member_record.h"

namespace kolvane {

namespace {

constexpr int kProgressStep = 15;
constexpr int kProgressFold = 9000;  // numbers above this count from 8000 again
constexpr int kProgressBase = 8000;
constexpr int kProgressMax = 100;

}  // namespace

std::vector<int> SearchNumbers(const MemberRanges& r) {
    std::vector<int> numbers;
    // A walk from A1 that starts beyond A2 never meets it and runs on up to B2.
    const int last1 = r.A1 > r.A2 ? r.B2 : r.A2;
    const auto inRange1 = [&](int n) { return n >= r.A1 && n <= last1; };
    for (int n = std::max(r.A1, 1); n <= last1; ++n) numbers.push_back(n);
    for (int n = std::max(r.B1, 1); n <= r.B2; ++n)
        if (!inRange1(n)) numbers.push_back(n);
    return numbers;
}

int SearchProgress(int n) {
    const int p = static_cast<int>(std::lround((n <= kProgressFold ? n : n - kProgressBase) /
                                               static_cast<double>(kProgressStep)));
    return p < kProgressMax ? p : -1;
}

std::string SearchFile(Hub& hub) {
    const std::string database = DatabaseFile(hub, std::string(kDatabaseFileName));
    if (!hub.os.files.Exists(database)) return database;
    const std::string copy = ProgramFile(hub, kSearchCopy);
    const bool copied = hub.os.files.Copy(database, copy);
    Wait(hub, 1);
    return copied ? copy : database;
}

}  // namespace kolvane
