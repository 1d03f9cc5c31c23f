#!/usr/bin/env bash
# The static checks: clang-tidy (its checks are in .clang-tidy) or cppcheck over one layer of src/, each
# file checked with the flags its build compiles it with, taken from that build's compile_commands.json.
# Any finding fails the run; one that is wrong is suppressed at its line, with the reason. ctest runs one
# test per tool and layer (label static, in the native-asan build).
#
#   scripts/static-checks.sh clang-tidy core  build/native-asan   the portable core, as the native build has it
#   scripts/static-checks.sh cppcheck   win32 build/win32         the Win32 layer, as the 32-bit release has it
set -euo pipefail
tool=$1 layer=$2 build=$3
root=$(cd "$(dirname "$0")/.." && pwd)
case $layer in
    core) keep=-v ;;
    win32) keep= ;;
    *) echo "Unknown layer '$layer' (core or win32)" >&2; exit 2 ;;
esac

# The Win32 layer needs the mingw build's commands: configuring it is enough, nothing is compiled.
if [ ! -f "$build/compile_commands.json" ] && [ "$layer" = win32 ]; then
    cmake -S "$root" --preset win32 >/dev/null
fi
# The command of each source of the layer, one a line, the first where several programs compile one file.
# CMake writes one "command" line per compiled file, ending in "-c <file>"; the folders hold no blanks.
mapfile -t commands < <(sed -n 's|^ *"command": "\(.*\)",\{0,1\}$|\1|p' "$build/compile_commands.json" |
                        grep " -c $root/src/" | grep $keep -e '_win32\.cpp$' | awk '!seen[$NF]++')
[ ${#commands[@]} -gt 0 ] || { echo "No $layer sources in $build/compile_commands.json" >&2; exit 2; }

# The mingw C++ library is where the mingw g++ finds it; clang's driver finds the C headers itself. The
# Windows headers declare a global Shell ahead (shldisp.h), which bugprone-forward-declaration-namespace
# takes for a slip against our kolvane::Shell, and NOLINT cannot reach into a system header.
target_flags= checks=-bugprone-suspicious-include
if [ "$layer" = win32 ]; then
    checks+=,-bugprone-forward-declaration-namespace
    target_flags="--target=i686-w64-mingw32 $(i686-w64-mingw32-g++ -xc++ -E -v /dev/null 2>&1 |
                                              sed -n 's|^ \(/.*/include/c++.*\)$|-isystem\1|p' | paste -sd ' ')"
fi
# The compiler's flags of one command, as clang takes them: without the compiler, the output and the source;
# literals only in UTF-8 (the checks do not look at their bytes); clang knows not every GCC warning, and its
# own compiler warnings are not the checks.
clang_flags() {
    local words word skip=0 flags=(-Wno-unknown-warning-option)
    read -ra words <<<"$1"
    for word in "${words[@]:1}"; do
        if [ $skip = 1 ]; then skip=0; continue; fi
        case $word in
            -o | -c) skip=1 ;;
            -fexec-charset=* | -Werror) ;;
            *) flags+=("$word") ;;
        esac
    done
    echo "${flags[*]}${target_flags:+ $target_flags}"
}

# Files that share their flags are checked as one translation unit that includes them all: the system
# headers are then read and walked once for them all, not once for each, which takes a fraction of the
# time. (Such a unit includes .cpp files, hence bugprone-suspicious-include stays off here.) Files that do
# not go with those before them (a helper of the same name) wait for the next round.
batch_dir=$(mktemp -d)
trap 'rm -rf "$batch_dir"' EXIT
batches=0
check_together() {
    local flags=$1 unit=$batch_dir/batch$((batches += 1)).cpp output at status=0
    shift
    local together=("$@") apart=() clashing
    while :; do
        printf '#include "%s"\n' "${together[@]}" >"$unit"
        [ ${#together[@]} -gt 1 ] || break
        # The compiler answers in a fraction of the checks' time. Each error follows the line of the unit
        # that included the file it is in; the first file has none before it to clash with.
        output=$(clang++ -fsyntax-only -w $flags "$unit" 2>&1) && break
        mapfile -t clashing < <(awk -v from="In file included from $unit:" '
            index($0, from) == 1 { split(substr($0, length(from) + 1), at, ":") }
            / error: / && at[1] > 1 { print at[1] }' <<<"$output" | sort -nru)
        [ ${#clashing[@]} -gt 0 ] || break
        for at in "${clashing[@]}"; do
            apart+=("${together[at - 1]}")
            together=("${together[@]:0:at-1}" "${together[@]:at}")
        done
    done
    output=$(clang-tidy --quiet --config-file="$root/.clang-tidy" --checks="$checks" "$unit" \
             -- $flags 2>&1) || status=1
    # Without the counts of the findings it filtered away (in the system headers, mostly).
    grep -v -e '^[0-9]* warnings\{0,1\} \(and [0-9]* errors\{0,1\} \)\{0,1\}generated\.$' <<<"$output" || true
    if [ ${#apart[@]} -gt 0 ]; then check_together "$flags" "${apart[@]}" || status=1; fi
    return $status
}

run_clang_tidy() {
    local command flags status=0
    local -A files_by_flags
    for command in "${commands[@]}"; do
        flags=$(clang_flags "${command% -c *}")
        files_by_flags[$flags]+=" ${command##* }"
    done
    for flags in "${!files_by_flags[@]}"; do
        check_together "$flags" ${files_by_flags[$flags]} || status=1
    done
    return $status
}

run_cppcheck() {
    # The system headers stay out: cppcheck knows the library's calls from its own configurations. Off, and
    # why: useStlAlgorithm asks for an algorithm in place of every loop that searches, which is taste.
    local args=(--project="$(cd "$build" && pwd)/compile_commands.json" --quiet --inline-suppr --error-exitcode=1
                --enable=warning,performance,portability,style --std=c++20 --template=gcc
                --suppress=missingIncludeSystem --suppress=useStlAlgorithm)
    [ "$layer" = win32 ] && args+=(--library=windows --platform=win32A)
    # From a project named by its full path, cppcheck names the files by theirs.
    local command
    for command in "${commands[@]}"; do args+=("--file-filter=${command##* }"); done
    cppcheck "${args[@]}"
}

case $tool in
    clang-tidy) run_clang_tidy ;;
    cppcheck) run_cppcheck ;;
    *) echo "Unknown tool '$tool' (clang-tidy or cppcheck)" >&2; exit 2 ;;
esac
