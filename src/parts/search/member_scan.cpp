#include "search/member_scan.h"

#include <algorithm>
#include <array>
#include <memory>

#include "store/member_record.h"
#include "store/safe_ini_writer.h"

namespace kolvane {

namespace {

constexpr int kProgressStep = 15;
constexpr int kProgressFold = 9000;  // numbers above this count from 8000 again
constexpr int kProgressBase = 8000;
constexpr int kProgressMax = 100;

// Whether the file holds exactly these bytes; read piece by piece, so that a large file is neither held
// twice in memory nor read further than its first difference.
bool Holds(Files& files, const std::string& path, std::string_view bytes) {
    const std::unique_ptr<FileReader> file = files.OpenRead(path);
    if (!file) return false;
    std::array<char, 65536> piece;
    for (;;) {
        const std::int64_t got = file->Read(piece.data(), piece.size());
        if (got <= 0) return got == 0 && bytes.empty();
        const auto size = static_cast<std::size_t>(got);
        if (size > bytes.size() || bytes.substr(0, size) != std::string_view(piece.data(), size)) return false;
        bytes.remove_prefix(size);
    }
}

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
    const int p = ((n <= kProgressFold ? n : n - kProgressBase) + kProgressStep / 2) / kProgressStep;
    return p < kProgressMax ? p : -1;
}

std::string SearchBytes(Hub& hub) {
    Files& files = hub.os.files;
    const std::string database = DatabaseFile(hub, std::string(kDatabaseFileName));
    if (!files.Exists(database) || files.IsFolder(database)) return {};
    std::optional<std::string> bytes = ReadWholeFile(files, hub.os.clock, database);
    if (!bytes) return {};
    const std::string copy = ProgramFile(hub, kSearchCopy);
    if (!Holds(files, copy, *bytes)) ReplaceFileWith(files, copy, *bytes);
    Wait(hub, 1);
    return std::move(*bytes);
}

}  // namespace kolvane
