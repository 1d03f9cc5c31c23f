// A pass over every member of a large database, three ways:
//   (a) IndexScan: the file read once, indexed, every field of every member read through the index;
//       StoreScan does the same through the store's own load (the platform's file read); IndexBuild
//       only reads and indexes the file, without reading any member;
//   (b) ProfileCallPerKey: one profile-style call per field, each re-reading and re-parsing the file as
//       GetPrivateProfileStringA does; timed on a sample of members, bench.sh extrapolates to all;
//   (c) RawRead: only the file's bytes read into memory, in one plain read; PlatformRead through the
//       platform's file read that the store's own load uses.
// SurnameSearch is the member search of the search window as the user starts it again: the database read
// (its copy DATEX.NET already current), the scan over both blocks with German folding, the hits filled
// into the list's model, the history written; it is judged against (a), in the same run. FirstSearch is
// the same with DATEX.NET missing, so that the copy is written, as at the first search after a change.
// LineBreaks reads the file and finds the end of every line with memchr, and does nothing else: what a
// pass over the lines costs before it does any of its work, a yardstick for how close to (c) a reader
// with the profile functions' line rules can come.
// The database: about 9,900 fictional members in the blocks 1-4999 and 5005-9998, the ten member
// fields with umlauts, scrambled as the suite stores them.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "demo_database.h"
#include "platform/dialogs_memory.h"
#include "platform/platform_memory.h"
#include "search/member_scan.h"
#include "search/member_search.h"
#include "store/crypt.h"
#include "store/member_database.h"

namespace kolvane {
namespace {

constexpr char kDatabase[] = "C:\\Orvintal\\DATEX.DAT";
constexpr int kSampleMembers = 2;

DemoOptions BenchOptions() {
    DemoOptions options;
    options.main = {1, 4999};
    options.branch = {5005, 9998};
    options.members = 9900;
    options.seed = 2026;
    return options;
}

// One platform with the database in its folder, shared by every benchmark of the run.
MemoryPlatform& Platform() {
    static MemoryPlatform* platform = [] {
        auto* p = new MemoryPlatform;
        const DemoOptions options = BenchOptions();
        p->files.Put(kDatabase, MakeDemoDatabase(options, MakeDemoMembers(options)));
        return p;
    }();
    return *platform;
}

std::string HostFile() { return Platform().files.HostPath(kDatabase); }

// The fastest plain read: the size first, then the bytes in one call.
std::string ReadBytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// Every field of every member in both blocks; returns the number of fields that held text.
std::size_t ScanAll(const DatabaseIndex& index, Dialogs& dialogs) {
    DamageNotice pass(dialogs);
    const MemberRanges ranges = index.ReadRanges(pass);
    std::size_t filled = 0;
    MemberRecord record;  // one record for the pass, as a search reads it
    auto scan = [&](int first, int last) {
        for (int number = first; number <= last; ++number) {
            index.ReadMember(number, pass, record);
            for (const MemberKey& key : kMemberKeys) filled += !(record.*key.field).empty();
        }
    };
    scan(ranges.A1, ranges.A2);
    scan(ranges.B1, ranges.B2);
    return filled;
}

std::size_t CallsForAFullScan() {
    const MemberRanges ranges = MemberDatabase(Platform().os, kDatabase).ReadRanges();
    const std::size_t numbers = static_cast<std::size_t>(ranges.A2 - ranges.A1 + 1 + ranges.B2 - ranges.B1 + 1);
    return 4 + numbers * kMemberKeys.size();
}

void IndexScan(benchmark::State& state) {
    const std::string file = HostFile();
    MemoryDialogs dialogs;
    for (auto _ : state) {
        const DatabaseIndex index(ReadBytes(file));
        benchmark::DoNotOptimize(ScanAll(index, dialogs));
    }
    state.counters["fields"] = static_cast<double>(ScanAll(DatabaseIndex(ReadBytes(file)), dialogs));
}

// The window without a screen: the search only reports to it.
struct NoSuchenView : SuchenView {
    void Run(MemberSearch&) override {}
    void Update(const SuchenForm&) override {}
    void Close() override {}
    void Beep() override {}
    std::optional<ObjekteEntry> TrackObjekte(const ObjekteMenu&) override { return std::nullopt; }
};

void Search(benchmark::State& state, bool copyMissing) {
    Hub hub(Platform().os);
    hub.LrDatabase = "C:\\Orvintal\\";
    NoSuchenView view;
    MemberSearch search(hub, view);
    search.Load();
    for (auto _ : state) {
        if (copyMissing) {
            state.PauseTiming();
            Platform().files.Delete(ProgramFile(hub, kSearchCopy));
            state.ResumeTiming();
        }
        search.Form().Text1 = "Müller";
        search.SearchPressed();
    }
    state.counters["hits"] = static_cast<double>(search.Form().VNamen.size());
}

void SurnameSearch(benchmark::State& state) { Search(state, false); }
void FirstSearch(benchmark::State& state) { Search(state, true); }

void IndexBuild(benchmark::State& state) {
    const std::string file = HostFile();
    for (auto _ : state) benchmark::DoNotOptimize(DatabaseIndex(ReadBytes(file)));
}

void StoreScan(benchmark::State& state) {
    MemberDatabase database(Platform().os, kDatabase);
    for (auto _ : state) benchmark::DoNotOptimize(ScanAll(database.Load(), Platform().dialogs));
}

void ProfileCallPerKey(benchmark::State& state) {
    MemoryPlatform& p = Platform();
    std::size_t calls = 0;
    for (auto _ : state) {
        for (int number = 1; number <= kSampleMembers; ++number) {
            for (const MemberKey& key : kMemberKeys) {
                // What every reader did before the index: the whole file read and parsed for one value.
                const std::string stored = p.ini.Read(kDatabase, MemberSection(number), *Crypt(key.key));
                benchmark::DoNotOptimize(Crypt(stored));
                ++calls;
            }
        }
    }
    state.counters["calls_per_iteration"] = static_cast<double>(kSampleMembers * kMemberKeys.size());
    state.counters["calls_full_scan"] = static_cast<double>(CallsForAFullScan());
}

void RawRead(benchmark::State& state) {
    const std::string file = HostFile();
    for (auto _ : state) benchmark::DoNotOptimize(ReadBytes(file));
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(file));
}

void LineBreaks(benchmark::State& state) {
    const std::string file = HostFile();
    for (auto _ : state) {
        const std::string bytes = ReadBytes(file);
        std::size_t lines = 0;
        for (const char* at = bytes.data(); (at = static_cast<const char*>(std::memchr(
                                                 at, '\n', bytes.data() + bytes.size() - at))) != nullptr;
             ++at) {
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
}

void PlatformRead(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(Platform().files.ReadAll(kDatabase));
}

BENCHMARK(IndexScan)->Unit(benchmark::kMillisecond);
BENCHMARK(SurnameSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(IndexBuild)->Unit(benchmark::kMillisecond);
BENCHMARK(StoreScan)->Unit(benchmark::kMillisecond);
BENCHMARK(ProfileCallPerKey)->Unit(benchmark::kMillisecond);
BENCHMARK(RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(LineBreaks)->Unit(benchmark::kMillisecond);
BENCHMARK(PlatformRead)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kolvane

BENCHMARK_MAIN();
