#!/usr/bin/env bash
# Seeds each fault of mutants.txt into the tree in turn, builds, and runs the test
# suite until its first failure; prints whether the suite caught the fault.
# Usage: tools/mutants/run.sh [build-dir] [name-filter]
# K3_MUTANT_TESTS=<ctest regex> runs only those tests, to compare one area before and after a change;
# K3_MUTANT_TARGETS="<targets...>" then builds only their programs.
# The build folder is a throw-away one (default build-mutants/); the tree is restored
# after each fault, also when the script is interrupted.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
dir=${1:-$root/build-mutants}
filter=${2:-}
cd "$root"
export QT_QPA_PLATFORM=offscreen

if [[ -n $(git status --porcelain --untracked-files=no) ]]; then
    echo "mutants: the tree has uncommitted changes; commit or stash them first" >&2
    exit 2
fi
build() { cmake --build "$dir" ${K3_MUTANT_TARGETS:+--target $K3_MUTANT_TARGETS}; }
cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null && build >/dev/null || exit 2

current=""
restore() { [[ -n $current ]] && git checkout -q -- "$current"; current=""; }
trap 'restore; exit 130' INT TERM

caught=0 missed=0 stale=0
while IFS='|' read -r name file subst; do
    name=$(echo "$name" | xargs); file=$(echo "$file" | xargs); subst=$(echo "$subst" | sed 's/^ *//;s/ *$//')
    [[ -z $name || $name == \#* ]] && continue
    [[ -n $filter && $name != *$filter* ]] && continue
    current=$file
    before=$(sha1sum "$file")
    perl -0777 -pi -e "$subst" "$file"
    if [[ $(sha1sum "$file") == "$before" ]]; then
        echo "STALE   $name (the pattern no longer matches $file)"; stale=$((stale + 1)); restore; continue
    fi
    start=$SECONDS
    if ! build >/dev/null 2>&1; then
        echo "CAUGHT  $name (does not build)"; caught=$((caught + 1))
    elif ctest --test-dir "$dir" -j"$(nproc)" --stop-on-failure --timeout 300 ${K3_MUTANT_TESTS:+-R "$K3_MUTANT_TESTS"} >"$dir/mutant-$name.log" 2>&1; then
        echo "MISSED  $name ($((SECONDS - start)) s)"; missed=$((missed + 1))
    else
        echo "CAUGHT  $name by $(grep -m1 -oE '[0-9]+ - [A-Za-z0-9_]+ \((Failed|Timeout|SEGFAULT|Subprocess aborted|Exception)' "$dir/mutant-$name.log" || echo '?') ($((SECONDS - start)) s)"
        caught=$((caught + 1))
    fi
    restore
done < "$root/tools/mutants/mutants.txt"
build >/dev/null 2>&1
echo "caught $caught, missed $missed, stale $stale"
((missed == 0 && stale == 0))
