#!/usr/bin/env bash
# The pictures of the user guide are the screenshots the end-to-end scenarios take (`screenshot NAME` in
# tests/e2e/test_*.sh), so that each one shows the program as it is. Every picture the guide names must lie in
# docs/bilder/ and be taken by a scenario, and every picture there must be named by the guide.
#   docs/refresh-pictures.sh BUILD     copies each picture from BUILD/e2e-artifacts/<scenario>/, cropped to its
#                                      window; run the scenarios first (ctest --test-dir BUILD -L e2e)
#   docs/refresh-pictures.sh --check   only checks the guide against docs/bilder/ and the scenarios
set -euo pipefail

DOCS=$(cd "$(dirname "$0")" && pwd)
GUIDE="$DOCS/Benutzerhandbuch.md"
PICTURES="$DOCS/bilder"
SCENARIOS="$DOCS/../tests/e2e"
TASK_BAR_HEIGHT=20  # Wine's task bar along the bottom of the scenarios' screen

[ $# -eq 1 ] || { sed -n '5,7s/^# \{0,1\}//p' "$0" >&2; exit 2; }
build=$1

# The pictures the guide shows: ![...](bilder/NAME.png).
guide_pictures() { grep -o '](bilder/[^)]*\.png)' "$GUIDE" | sed 's|^](bilder/||; s|\.png)$||' | sort -u; }

# Each screenshot the scenarios take (`screenshot NAME`, and the scale scenario's `shoot NAME` and
# `shoot_window CAPTION NAME`), one "SCENARIO NAME" a line; a name made in a loop ("options-page-$page")
# becomes a pattern ("options-page-*").
scenario_screenshots() {
    local script scenario
    for script in "$SCENARIOS"/test_*.sh; do
        scenario=${script##*/test_}
        sed -n -e 's/^[[:space:]]*\(screenshot\|shoot\)[[:space:]]\{1,\}//p' \
            -e 's/^[[:space:]]*shoot_window[[:space:]].*[[:space:]]\([^[:space:]]*\)$/\1/p' "$script" | tr -d "\"'" |
            sed 's/\$[{]\{0,1\}[A-Za-z_][A-Za-z_0-9]*[}]\{0,1\}/*/g; s/^/'"${scenario%.sh}"' /'
    done
}

# The scenario that takes the screenshot NAME.
scenario_of() {
    local scenario pattern
    while read -r scenario pattern; do
        # shellcheck disable=SC2053  # the pattern is meant to match as a glob
        if [[ $1 == $pattern ]]; then
            echo "$scenario"
            return
        fi
    done <<<"$screenshots"
    return 1
}

screenshots=$(scenario_screenshots)
names=$(guide_pictures)
[ -n "$names" ] || { echo "$GUIDE names no pictures" >&2; exit 1; }
[ "$build" = --check ] || mkdir -p "$PICTURES"
status=0
problem() {
    echo "$*" >&2
    status=1
}

for name in $names; do
    if ! scenario=$(scenario_of "$name"); then
        problem "the guide shows bilder/$name.png, but no scenario in tests/e2e takes the screenshot $name"
    elif [ "$build" = --check ]; then
        [ -f "$PICTURES/$name.png" ] || problem "the guide shows bilder/$name.png, which is missing"
    else
        shot="$build/e2e-artifacts/$scenario/$name.png"
        if [ -f "$shot" ]; then
            # Without the task bar the window stands alone on the plain desktop, which the trim takes away.
            convert "$shot" -gravity South -chop "0x$TASK_BAR_HEIGHT" +repage -trim +repage "$PICTURES/$name.png"
        else
            problem "$shot is missing: run the scenario e2e.$scenario first"
        fi
    fi
done

for picture in "$PICTURES"/*.png; do
    [ -e "$picture" ] || continue
    grep -qx "$(basename "$picture" .png)" <<<"$names" || problem "bilder/$(basename "$picture") is not in the guide"
done
exit $status
