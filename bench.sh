#!/usr/bin/env bash
# Builds and runs every benchmark (bench/*_bench.cpp) in the native Release build and prints a table of
# the results; for the start-up its own work against its yardstick, with the figures that the end-to-end
# scenarios logged under Wine when a build's e2e-artifacts hold them; for the member scan the three figures
# that matter and their ratios:
#   (a) full scan through the index, (b) one profile-style call per key, extrapolated from its sample
#   to the full scan, (c) a raw read of the file's bytes.
#
#   ./bench.sh [BUILD_DIR]     default build/native (the native preset)
set -euo pipefail
cd "$(dirname "$0")"
build=${1:-build/native}
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

if [ "$build" = build/native ]; then
    cmake --preset native >/dev/null
else
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target benchmarks -j "$(nproc)" >"$results/build.log" 2>&1 || {
    tail -n 40 "$results/build.log"
    echo "Die Benchmarks konnten nicht gebaut werden." >&2
    exit 1
}

for program in "$build"/bench/*_bench; do
    name=$(basename "$program")
    echo "Running $name ..." >&2
    "$program" --benchmark_format=json --benchmark_out="$results/$name.json" --benchmark_out_format=json \
        --benchmark_repetitions=3 --benchmark_report_aggregates_only=true >/dev/null
done

python3 - "$results" <<'PY'
import glob, json, os, statistics, sys

rows = []
for path in sorted(glob.glob(os.path.join(sys.argv[1], "*.json"))):
    program = os.path.basename(path)[:-5]
    for b in json.load(open(path))["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
        rows.append((program, b["run_name"], b["real_time"] * scale, b["cpu_time"] * scale, b))

print(f"{'program':<20} {'benchmark':<22} {'real ms':>12} {'cpu ms':>12}")
for program, name, real, cpu, _ in rows:
    print(f"{program:<20} {name:<22} {real:12.3f} {cpu:12.3f}")

start = {name: real for program, name, real, cpu, b in rows if program == "startup_bench"}
if {"Startup", "CopyDatabase"} <= start.keys():
    print()
    print("Start-up, from the load of the hub window to the ready icon (real time, medians of 3 runs; the")
    print("fake clock lets the fixed waits cost nothing):")
    print(f"  own work of the start                    {start['Startup']:12.3f} ms  (target: below 100 ms)")
    print(f"  yardstick: one copy of DATEX.DAT         {start['CopyDatabase']:12.3f} ms")
    print(f"  start / copy = {start['Startup'] / start['CopyDatabase']:.1f}x")
for build in ("build/win32", "build/win64"):
    logged = [line.split("\t") for path in glob.glob(f"{build}/e2e-artifacts/*/startup-times.txt")
              for line in open(path).read().split("\n") if line]
    if logged:
        own, total = ([int(row[i]) for row in logged] for i in (0, 1))
        print(f"  under Wine ({build}, starts of the end-to-end scenarios: {len(own)}): own work median "
              f"{statistics.median(own):.0f} ms (min {min(own)}, max {max(own)}), from the process's start to the "
              f"ready icon median {statistics.median(total):.0f} ms")

scan = {name: (real, cpu, b) for program, name, real, cpu, b in rows if program == "member_scan_bench"}
if {"IndexScan", "ProfileCallPerKey", "RawRead"} <= scan.keys():
    per_call = scan["ProfileCallPerKey"][1] / scan["ProfileCallPerKey"][2]["calls_per_iteration"]
    a = scan["IndexScan"][1]
    b = per_call * scan["ProfileCallPerKey"][2]["calls_full_scan"]
    c = scan["RawRead"][1]
    print()
    print("Member scan (CPU time, medians of 3 runs):")
    print(f"  (a) full scan through the index          {a:12.3f} ms")
    print(f"  (b) one profile-style call per key       {b:12.1f} ms  "
          f"({per_call:.3f} ms per call x {int(scan['ProfileCallPerKey'][2]['calls_full_scan'])} calls, extrapolated)")
    print(f"  (c) raw read of the file's bytes         {c:12.3f} ms")
    print(f"  (b) / (a) = {b / a:,.0f}x    (a) / (c) = {a / c:.1f}x")
    if "IndexBuild" in scan:
        print(f"  of (a): reading and indexing the file {scan['IndexBuild'][1]:.3f} ms "
              f"({scan['IndexBuild'][1] / c:.1f}x (c)), reading the members' fields the rest")
    if "LineBreaks" in scan:
        print(f"  reading and finding every line's end (memchr), nothing more: {scan['LineBreaks'][1]:.3f} ms "
              f"({scan['LineBreaks'][1] / c:.1f}x (c))")
    if "SurnameSearch" in scan:
        search = scan["SurnameSearch"][1]
        print(f"  surname search (read, scan with German folding, rows): {search:.3f} ms, "
              f"{search / a:.2f}x (a)  (target: below (a))")
    if "FirstSearch" in scan:
        first = scan["FirstSearch"][1]
        print(f"  the same writing the copy DATEX.NET afresh: {first:.3f} ms, {first / a:.2f}x (a)")
    if "StoreScan" in scan and "PlatformRead" in scan:
        print(f"  through the platform's file read: scan {scan['StoreScan'][1]:.3f} ms, read "
              f"{scan['PlatformRead'][1]:.3f} ms, ratio {scan['StoreScan'][1] / scan['PlatformRead'][1]:.1f}x")
PY
